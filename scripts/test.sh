#!/bin/sh
# Builds the configurator with its tests and runs every test: the core's and the windows', in
# the C locale and on a Russian desktop, the Debian package, and the Windows build under Wine.
#   --sanitize  builds into build-sanitize with AddressSanitizer (leaks included) and
#               UndefinedBehaviorSanitizer and runs the suite there; the Debian package is
#               checked and the Windows build made in the ordinary build only.
#   --werror    treats compiler warnings as errors, as CI does.
#   --unity     compiles in batches of sources (faster from scratch, as CI does).
# AERVIK_DEPS_CHECKED=1 skips the check of the Debian packages (CI has made it).
set -eu
cd "$(dirname "$0")/.."

preset=release
werror=OFF
unity=OFF
for arg in "$@"; do
  case "$arg" in
    --sanitize) preset=sanitize ;;
    --werror) werror=ON ;;
    --unity) unity=ON ;;
    *)
      echo "usage: $0 [--sanitize] [--werror] [--unity]" >&2
      exit 2
      ;;
  esac
done

[ -n "${AERVIK_DEPS_CHECKED:-}" ] || scripts/deps.sh test windows
export AERVIK_DEPS_CHECKED=1
dir=build
[ "$preset" = release ] || dir="build-$preset"
# Configured only when the folder is new, lacks the tests (built by scripts/start.sh before
# their libraries were installed) or was configured with other options; otherwise the build
# itself configures again when a CMakeLists.txt changed.
cache="$dir/CMakeCache.txt"
if [ ! -f "$dir/build.ninja" ] || ! grep -qx 'AERVIK_TESTS:INTERNAL=ON' "$cache" ||
  ! grep -qx "AERVIK_WERROR:BOOL=$werror" "$cache" ||
  ! grep -qx "CMAKE_UNITY_BUILD:BOOL=$unity" "$cache"; then
  cmake --preset "$preset" -DAERVIK_WERROR="$werror" -DCMAKE_UNITY_BUILD="$unity"
fi
cmake --build --preset "$preset"
ctest --preset "$preset" --parallel "$(nproc)"

# The program built for Windows and proven under Wine (scripts/windows.sh).
if [ "$preset" = release ]; then
  if [ "$werror" = ON ]; then scripts/windows.sh --werror; else scripts/windows.sh; fi
fi
