#!/bin/sh
# Checks the form of the sources, as CI does: the formatting of the C and C++ files
# (scripts/check_format.sh), clang-tidy's small profile (.clang-tidy) over the program's own
# sources, and shellcheck over the scripts. Fails on the first finding of any of them.
#   lint.sh [BUILD-DIR]   BUILD-DIR holds the compile_commands.json of a configured build
#                         (build/ by default, as scripts/test.sh leaves it)
# AERVIK_FORMAT_BASE=<commit> limits the formatting check to the files changed since then.
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
[ -n "${AERVIK_DEPS_CHECKED:-}" ] || scripts/deps.sh lint
[ -f "$build/compile_commands.json" ] || {
  echo "lint.sh: no $build/compile_commands.json; configure first (cmake --preset release)" >&2
  exit 2
}

scripts/check_format.sh "${AERVIK_FORMAT_BASE:-}"

# The program's own translation units: its sources, or in a unity build the batches made of
# them (the headers of Qt and the standard library are then read once per batch).
units=$(/usr/bin/python3 - "$build/compile_commands.json" "$PWD" <<'PY'
import json, re, sys
own = re.compile(r"/(climate_core|climate_ui)\.dir/Unity/|^" + re.escape(sys.argv[2]) +
                 r"/(app|balance|selection|report)/[^/]*\.cpp$")
for entry in json.load(open(sys.argv[1])):
    if own.search(entry["file"]):
        print(entry["file"])
PY
)
count=$(printf '%s\n' "$units" | grep -c .)
# The compiler's own warnings are g++'s to give (clang reads -Wconversion more widely): with a
# build configured to treat them as errors, clang-tidy is told not to.
printf '%s\n' "$units" |
  xargs -P "$(nproc)" -n 1 clang-tidy -p "$build" --quiet --extra-arg=-Wno-error 2>/dev/null
echo "clang-tidy: $count translation units clean"

scripts=$(git ls-files '*.sh' .ci/run)
# shellcheck disable=SC2086 # one name a word
shellcheck $scripts
echo "shellcheck: $(printf '%s\n' "$scripts" | grep -c .) scripts clean"
