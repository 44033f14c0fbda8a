#!/bin/sh
# Runs a Windows program under Debian's Wine: wine-run.sh PROGRAM.exe [ARGUMENTS...]
# The Wine prefix is the one WINEPREFIX names (scripts/windows.sh makes one for its
# run); without it a throw-away prefix is made for this program alone and removed after it.
# The user's own ~/.wine is never used. No display is needed.
set -eu
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
export WINEDEBUG="${WINEDEBUG:--all}"
# No installers for the .NET runtime and the HTML engine: the programs need neither.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
unset DISPLAY WAYLAND_DISPLAY

if [ -z "${WINEPREFIX:-}" ]; then
  WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/aervik-wine.XXXXXX")
  export WINEPREFIX
  trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  # A new prefix: set it up first, quietly, so that its messages do not mix with the program's.
  "$wine" wineboot --init >/dev/null 2>&1
fi

status=0
"$wine" "$@" || status=$?
exit "$status"
