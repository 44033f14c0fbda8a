#!/bin/sh
# Checks that C and C++ sources are formatted as .clang-format says.
#   check_format.sh          every tracked C and C++ file
#   check_format.sh BASE     only the files added or changed since BASE (a commit or branch),
#                            counted from where HEAD and BASE part
# Lists each badly formatted file with the change clang-format would make, and fails.
set -eu
cd "$(dirname "$0")/.."

pattern='\.(c|cc|cpp|cxx|h|hh|hpp|hxx)$'
if [ $# -gt 0 ] && [ -n "$1" ]; then
  base="$(git merge-base "$1" HEAD)"
  files="$(git diff --name-only --diff-filter=ACMR "$base" -- | grep -E "$pattern" || true)"
else
  files="$(git ls-files | grep -E "$pattern" || true)"
fi

count=$(printf '%s\n' "$files" | grep -c . || true)
# One clang-format run per fifty files, two at a time; only when one of them finds a file
# badly formatted is each file looked at alone, to show the change it needs.
if [ "$count" -eq 0 ] ||
  printf '%s\n' "$files" | xargs -P 2 -n 50 clang-format --style=file --dry-run --Werror \
    >/dev/null 2>&1; then
  echo "clang-format: $count files checked"
  exit 0
fi
for f in $files; do
  if ! clang-format --style=file "$f" | cmp -s - "$f"; then
    echo "not formatted: $f"
    clang-format --style=file "$f" | diff -u "$f" - | head -40 || true
  fi
done
echo "Run clang-format -i on the files above." >&2
exit 1
