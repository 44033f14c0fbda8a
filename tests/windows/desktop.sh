#!/bin/sh
# The Windows build on a desktop, run by scripts/windows.sh through tests/x11_desktop.sh (an X
# server with a window manager) in the Wine prefix it made as a Russian Windows:
#  - the same journey with real keys through the main, heater, fan and save windows, by the
#    Linux program and by the Windows program under Wine with Windows' own platform; both
#    save a text file and a workbook, which must be equal: the text files byte for byte, the
#    workbooks row for row through the independent reader;
#  - screenshots of the Windows program's main window and heater window;
#  - the installer: installed silently for all users and for the current user, the installed
#    program started from where the installer put it, uninstalled, and nothing left behind.
#
#   desktop.sh LINUX-PROGRAM WINDOWS-BUILD-FOLDER WORK-FOLDER SCREENSHOT-FOLDER
set -eu
linux_program=$1
build=$2
work=$3
shots=$4
here=$(cd "$(dirname "$0")" && pwd)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
failures=0
fail() {
  echo "desktop: FAIL: $*" >&2
  failures=$((failures + 1))
}
say() { printf '%s\n' "desktop: $*"; }
windows_path() { printf 'Z:%s' "$1" | tr / '\134'; }

key() { xdotool key --delay 60 "$@"; sleep 0.4; }
typed() { xdotool type --delay 30 -- "$1"; sleep 0.4; }
active_name() { xdotool getactivewindow getwindowname 2>/dev/null || true; }
# Waits until the active window's title matches the pattern; fails after 30 seconds.
expect_window() {
  n=0
  while [ "$n" -lt 300 ]; do
    if active_name | grep -Eq "$1"; then
      sleep 0.5
      return 0
    fi
    sleep 0.1
    n=$((n + 1))
  done
  fail "expected a window /$1/, the active one is '$(active_name)'"
  # What the screen showed, for a person to look at.
  import -window root "$shots/failure-$failures.png" 2>/dev/null || true
  return 1
}
# After a file dialog: the main window again. Wine under openbox does not always give the
# activation back to the main window when its native file dialog closes (the dialog's hidden
# owner keeps it); a person would click the window, the journey activates it.
back_from_dialog() {
  n=0
  while [ "$n" -lt 30 ] && ! active_name | grep -q Tervax; do
    sleep 0.1
    n=$((n + 1))
  done
  if ! active_name | grep -q Tervax; then
    window=$(xdotool search --onlyvisible --name Tervax | head -n 1)
    [ -n "$window" ] && xdotool windowactivate "$window" 2>/dev/null
  fi
  expect_window "Tervax"
}

# Chooses item N of the focused list: Home goes to the first item, Down moves on.
pick() {
  key Home
  i=0
  while [ "$i" -lt "$1" ]; do
    key Down
    i=$((i + 1))
  done
}

# The journey: a heater and a fan for 2000 × 800 × 600 mm of steel, free on all sides, 500 W,
# 35 / -5 °C at 50 %, 40 / 10 °C inside; both exported; the total specification saved as
# FILE.txt and FILE.xlsx (FILE in the program's own spelling of paths). Screenshots go to
# NAME-*.png when NAME is given.
journey() {
  file=$1
  shot=${2:-}
  expect_window "Tervax" || return 1
  typed 2000
  key Tab
  typed 800
  key Tab
  typed 600
  key Tab
  pick 0
  key Tab
  pick 0
  key Tab
  typed 500
  key Tab
  pick 3
  key Tab
  pick 7
  key Tab
  pick 4
  key Tab
  pick 6
  key Tab
  pick 2
  key Tab Return
  [ -z "$shot" ] || import -window "$(xdotool getactivewindow)" -frame "$shots/$shot-main.png"
  key Tab Return
  expect_window "Подбор обогрева" || return 1
  key Down Tab Tab Tab Return
  [ -z "$shot" ] || import -window "$(xdotool getactivewindow)" -frame "$shots/$shot-heater.png"
  key Tab Return
  expect_window "Tervax" || return 1
  key Tab Return
  expect_window "Подбор вентилятора" || return 1
  key Down Tab Down Tab Return
  key Tab Return
  expect_window "Tervax" || return 1
  key Tab Return
  expect_window "Сохранение отчета" || return 1
  key Return
  expect_window "Сохранить как" || return 1
  typed "$file"
  key Return
  back_from_dialog || return 1
  key Return
  expect_window "Сохранение отчета" || return 1
  key Tab Return
  expect_window "Сохранить как" || return 1
  typed "$file.xlsx"
  key Return
  back_from_dialog || return 1
}

# Starts a program in the background and remembers it; stop ends it.
program=""
start() {
  "$@" >"$work/program.log" 2>&1 &
  program=$!
}
stop() {
  if [ -n "$program" ]; then kill "$program" 2>/dev/null || true; fi
  wait "$program" 2>/dev/null || true
  program=""
  "${wine%/*}/wineserver" -k 2>/dev/null || true
}
trap stop EXIT

# The journey in both builds.
mkdir -p "$work/journey-linux" "$work/journey-windows"
start "$linux_program"
journey "$work/journey-linux/total" || true
stop
start "$wine" "$build/dist/norda-aervik.exe"
journey "$(windows_path "$work/journey-windows/total")" windows || true
stop
for file in total.txt total.xlsx; do
  [ -s "$work/journey-windows/$file" ] || fail "the Windows program wrote no $file"
done
if cmp "$work/journey-linux/total.txt" "$work/journey-windows/total.txt"; then
  say "journey: the Windows program's text file equals the Linux program's," \
    "$(wc -c <"$work/journey-windows/total.txt") bytes"
else
  fail "the text files of the journey differ"
fi
reader=$here/../core/read_xlsx.py
/usr/bin/python3 "$reader" "$work/journey-linux/total.xlsx" >"$work/journey-linux.rows" || true
/usr/bin/python3 "$reader" "$work/journey-windows/total.xlsx" >"$work/journey-windows.rows" || true
if [ "$(wc -l <"$work/journey-linux.rows")" -ge 5 ] &&
  diff "$work/journey-linux.rows" "$work/journey-windows.rows"; then
  say "journey: the Windows program's workbook equals the Linux program's," \
    "$(wc -l <"$work/journey-windows.rows") rows"
else
  fail "the workbooks of the journey differ"
fi

# The installer, for all users (the default of a silent installation by an administrator) and
# for the current user. Its uninstaller copies itself away and runs from there: its end is
# seen in the folder going.
drive=$WINEPREFIX/drive_c
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\norda-aervik'
for mode in AllUsers CurrentUser; do
  if [ "$mode" = AllUsers ]; then
    folder="$drive/Program Files/Norda aervik"
    menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs"
    hive=HKLM
  else
    folder=$(find "$drive/users" -maxdepth 4 -type d -name Programs -path '*Local*' | head -n 1)
    folder="${folder:-$drive/users/$(id -un)/AppData/Local/Programs}/Norda aervik"
    menu=$(find "$drive/users" -path '*Start Menu/Programs' -type d | head -n 1)
    hive=HKCU
  fi
  "$wine" "$build"/norda-aervik-*-setup.exe /S "/$mode"
  [ -f "$folder/norda-aervik.exe" ] || { fail "$mode: nothing installed in $folder"; continue; }
  [ -f "$menu/Конфигуратор Norda aervik.lnk" ] || fail "$mode: no shortcut in $menu"
  "$wine" reg query "$hive\\$uninstall_key" /v UninstallString >/dev/null 2>&1 ||
    fail "$mode: not registered in Programs and Features"
  start "$wine" "$folder/norda-aervik.exe"
  expect_window "Tervax" && say "installer, $mode: the installed program starts"
  stop
  "$wine" "$folder/uninstall.exe" /S "/$mode"
  n=0
  while [ -e "$folder" ] && [ "$n" -lt 300 ]; do
    sleep 0.1
    n=$((n + 1))
  done
  [ ! -e "$folder" ] || fail "$mode: left after uninstalling: $(ls -A "$folder")"
  [ ! -e "$menu/Конфигуратор Norda aervik.lnk" ] || fail "$mode: the shortcut stays"
  if "$wine" reg query "$hive\\$uninstall_key" >/dev/null 2>&1; then
    fail "$mode: still registered in Programs and Features"
  fi
  say "installer, $mode: installed, started and uninstalled without a trace"
done

[ "$failures" -eq 0 ]
