#!/bin/sh
# Screenshots of every window of the configurator, in Russian and English, with a light and
# a dark palette, taken under a real X server with a window manager. The program is driven
# by real key presses only, as a person without a mouse would: from the empty main window to
# a saved text specification and workbook, through the heater, fan and cooling windows.
# Not part of the test suite: run it by hand and look at the pictures.
#
#   scripts/screenshots.sh [build-dir] [output-dir] [variant...]
#
# Variants: ru-light, ru-dark, en-light, en-dark (all when none is named).
#
# Needs Xvfb, openbox, xdotool, xwininfo and ImageMagick; as root it installs them.
# SCREENS_NO_BUILD=1 takes the programs in the build directory as they are.
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-$build/screenshots}
if [ $# -gt 2 ]; then shift 2; else set --; fi
variants=${*:-ru-light ru-dark en-light en-dark}

TOOLS="xvfb openbox xdotool x11-utils imagemagick"
missing=""
for p in $TOOLS; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
    missing="$missing $p"
done
if [ -n "$missing" ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages; as root run: apt-get install -y$missing" >&2
    exit 1
  fi
  apt-get update
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi

if [ -z "${SCREENS_NO_BUILD:-}" ]; then
  cmake -S . -B "$build" -DAERVIK_SCREENSHOTS=ON >/dev/null
  cmake --build "$build" --parallel 2 --target norda-aervik aervik_screens
fi
rm -rf "$out"
mkdir -p "$out"
out=$(cd "$out" && pwd)

display=:$((90 + $$ % 9))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
xvfb=$!
export DISPLAY="$display"
sleep 1
openbox >"$out/openbox.log" 2>&1 &
wm=$!
program=""
cleanup() {
  if [ -n "$program" ]; then kill "$program" 2>/dev/null || true; fi
  kill "$wm" "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
sleep 1

failures=0
fail() {
  echo "FAIL [$variant]: $*" >&2
  failures=$((failures + 1))
}

key() { xdotool key --delay 60 "$@"; sleep 0.3; }
typed() { xdotool type --delay 40 -- "$1"; sleep 0.3; }
tabs() { i=0; while [ "$i" -lt "$1" ]; do key Tab; i=$((i + 1)); done; }

active_name() { xdotool getactivewindow getwindowname 2>/dev/null || true; }

# Waits until the active window's title contains one of the patterns (a|b).
expect_window() {
  n=0
  while [ "$n" -lt 50 ]; do
    if active_name | grep -Eq "$1"; then sleep 0.4; return 0; fi
    sleep 0.1
    n=$((n + 1))
  done
  fail "expected window /$1/, active is '$(active_name)'"
  return 1
}

# The active window with its frame; `wide` shots take the screen's top-left part, so that
# tooltips, menus and pop-ups show as well.
shot() {
  if [ "${2:-}" = wide ]; then
    import -window root -crop 1100x720+0+0 "$out/$variant-$1.png"
  else
    import -window "$(xdotool getactivewindow)" -frame "$out/$variant-$1.png"
  fi
}

# Selects the whole field and types a new value.
field() { key ctrl+a; typed "$1"; }
# Chooses item N (from 0) of the focused list: Home goes to the first item, Down moves on.
pick() { key Home; i=0; while [ "$i" -lt "$1" ]; do key Down; i=$((i + 1)); done; }

journey() {
  variant=$1
  shift
  "$@" >"$out/$variant.log" 2>&1 &
  program=$!
  expect_window "Tervax" || return
  # The frame, title bar included, at the top-left corner of the screen.
  # The client's position on the screen less its position within the frame.
  frame=$(xwininfo -id "$(xdotool getactivewindow)" |
    awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
         /Relative upper-left X/ {rx=$NF} /Relative upper-left Y/ {ry=$NF}
         END {print x - rx "," y - ry}')
  [ "$frame" = "0,0" ] || fail "main window frame at $frame, not 0,0"
  shot 01-main-empty

  # The select button with nothing filled: the message box lists every input.
  tabs 11
  key Return
  expect_window "Norda aervik$" && shot 02-message-missing
  key Return
  expect_window "Tervax"

  # Heater and fan: the message has sent the focus to the first missing input, the height.
  # The fifth digit is refused; Delete removes the 9 again.
  typed 92000
  key Home Delete End
  typed 0
  key Tab
  typed 800
  key Tab
  typed 600
  key Tab
  pick 0 # steel
  key Tab
  pick 0 # free on all sides
  key Tab
  typed 500
  key Tab
  pick 3 # ambient maximum 35
  key Tab
  pick 7 # ambient minimum -5
  key Tab
  pick 4 # humidity 50
  key Tab
  pick 6 # inside maximum 40
  key Tab
  pick 2 # inside minimum 10
  key Tab
  shot 03-main-filled
  key Return
  shot 04-main-suggestions
  key Tab
  sleep 1
  shot 05-main-first-suggestion-focused wide
  key Return
  expect_window "Подбор обогрева|Choosing of heater" || return
  shot 06-heater-open
  key Down Tab Tab Tab Return
  shot 07-heater-created
  key Tab Return
  expect_window "Tervax"
  shot 08-main-heater-exported
  key Tab
  sleep 1
  shot 09-main-second-suggestion-focused wide
  key Return
  expect_window "Подбор вентилятора" || return
  key Down Tab Down Tab Return
  shot 10-fan-created
  key Tab Return
  expect_window "Tervax"
  shot 11-main-fan-exported

  # The total specification: a text file, then a workbook.
  key Tab Return
  expect_window "Сохранение отчета" || return
  shot 12-save
  key Return
  expect_window "Сохранить|Save" || return
  shot 13-file-dialog
  typed "$out/total-$variant"
  key Return
  expect_window "Tervax"
  [ -s "$out/total-$variant.txt" ] || fail "no text specification written"
  key Return
  expect_window "Сохранение отчета" || return
  key Tab Return
  expect_window "Сохранить|Save" || return
  typed "$out/total-$variant.xlsx"
  key Return
  expect_window "Tervax"
  [ -s "$out/total-$variant.xlsx" ] || fail "no workbook written"

  # The context menu of a field in the interface language.
  key Tab
  key Menu
  sleep 0.5
  shot 14-field-menu wide
  key Escape

  # A cooling unit.
  field 2000
  key Tab
  field 600
  key Tab
  field 500
  key Tab Tab
  pick 1 # against a wall
  key Tab
  field 800
  key Tab
  pick 1 # ambient maximum 45
  key Tab
  pick 5 # ambient minimum 5
  key Tab
  pick 5 # humidity 60
  key Tab
  pick 5 # inside maximum 35
  key Tab
  pick 4 # inside minimum 20
  key Tab Return Tab Return
  expect_window "Подбор кондиционера|Choosing of cooler" || return
  key Down Tab Down Tab Return
  shot 15-cooler-created
  key Tab Return
  expect_window "Tervax"
  shot 16-main-cooler-exported

  # No equipment needed, then no solution in the range.
  key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
  field 100
  key Tab
  pick 6 # ambient maximum 20
  key Tab
  pick 4 # ambient minimum 10
  key Tab
  pick 0 # humidity 10
  key Tab
  pick 6 # inside maximum 40
  key Tab
  pick 1 # inside minimum 5
  key Tab Return
  shot 17-main-no-equipment
  key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
  pick 3 # ambient maximum 35
  key Tab
  pick 0 # ambient minimum 30
  key Tab Tab
  pick 3 # inside maximum 25
  key Tab
  pick 0 # inside minimum 0
  key Tab Return
  shot 18-main-no-solution

  # The about window from the menu bar.
  key alt
  key Return
  expect_window "О программе" && shot 19-about
  key Escape
  expect_window "Tervax"
  key alt+F4
  sleep 1
  kill "$program" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
  program=""
}

for v in $variants; do
  case $v in
    ru-light) journey ru-light "$build/norda-aervik" ;;  # the shipped program itself
    ru-dark) journey ru-dark "$build/tests/aervik_screens" --dark ;;
    en-light) journey en-light "$build/tests/aervik_screens" --english ;;
    en-dark) journey en-dark "$build/tests/aervik_screens" --english --dark ;;
    *) echo "unknown variant $v" >&2 && exit 2 ;;
  esac
done

echo "Screenshots in $out"
if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
