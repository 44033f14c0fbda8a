#!/bin/sh
# Runs a Qt Test program of the Windows build under Wine and shows its report: Qt Test's output
# that Wine passes on through a pipe comes out empty, so the program writes it into a file.
#   run_qt_test.sh PROGRAM.exe [ARGUMENTS...]    the exit status is the program's
set -eu
here=$(dirname "$0")
report=$(mktemp "${TMPDIR:-/tmp}/aervik-qt-test.XXXXXX")
trap 'rm -f "$report"' EXIT
status=0
"$here/../../scripts/wine-run.sh" "$@" -o "Z:$(printf '%s' "$report" | tr / '\134'),txt" || status=$?
cat "$report"
exit "$status"
