#!/bin/sh
# Builds the configurator with its tests and runs every test.
#   --sanitize  builds into build-sanitize with AddressSanitizer (leaks included) and
#               UndefinedBehaviorSanitizer at -O1 -g and runs the suite there; the Debian
#               package is checked in the ordinary build only.
#   --werror    treats compiler warnings as errors, as CI does.
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
cmake --preset "$preset" -DAERVIK_WERROR="$werror"
cmake --build --preset "$preset" --parallel "$(nproc)"
ctest --preset "$preset" --parallel "$(nproc)"
