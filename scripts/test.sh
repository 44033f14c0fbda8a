#!/bin/sh
# Builds the configurator with its tests and runs every test.
# With --sanitize it builds into build-sanitize with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs the suite there. Without it, the core is also built
# for Windows and tested under Wine (scripts/windows-core.sh).
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh

dir=build
options=""
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-sanitize
  options="-DAERVIK_SANITIZE=ON"
  # Qt and fontconfig keep caches until exit; leaks are not what this run looks for.
  export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi

# shellcheck disable=SC2086
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release $options
cmake --build "$dir" --parallel "$(nproc)"
ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)"

# The core built for Windows, its tests under Wine, and its files against this build's.
if [ "$dir" = build ]; then
  scripts/windows-core.sh
fi
