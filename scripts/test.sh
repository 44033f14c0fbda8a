#!/bin/sh
# Builds the configurator with its tests and runs every test.
#   --sanitize  builds into build-sanitize with AddressSanitizer (leaks included) and
#               UndefinedBehaviorSanitizer at -O1 -g and runs the suite there; the Debian
#               package is checked in the ordinary build only.
#   --werror    treats compiler warnings as errors, as CI does.
# Without --sanitize, the core is also built for Windows and tested under Wine
# (scripts/windows-core.sh).
set -eu
cd "$(dirname "$0")/.."

preset=release
werror=OFF
for arg in "$@"; do
  case "$arg" in
    --sanitize) preset=sanitize ;;
    --werror) werror=ON ;;
    *)
      echo "usage: $0 [--sanitize] [--werror]" >&2
      exit 2
      ;;
  esac
done

scripts/deps.sh
# The presets build with Ninja; a build folder made earlier with another generator is
# configured afresh.
dir=build
[ "$preset" = release ] || dir="build-$preset"
if [ -f "$dir/CMakeCache.txt" ] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$dir/CMakeCache.txt"; then
  rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles"
fi
cmake --preset "$preset" -DAERVIK_WERROR="$werror"
cmake --build --preset "$preset" --parallel "$(nproc)"
ctest --preset "$preset" --parallel "$(nproc)"

# The core built for Windows, its tests under Wine, and its files against this build's.
if [ "$preset" = release ]; then
  if [ "$werror" = ON ]; then scripts/windows-core.sh --werror; else scripts/windows-core.sh; fi
fi
