#!/bin/sh
# Runs a command on a real X11 desktop: an Xvfb screen with the openbox window manager, as a
# user's desktop has one, and a session bus with the accessibility service that screen readers
# use, switched on. The command finds the display in DISPLAY and Qt's X11 platform in
# QT_QPA_PLATFORM; the server, the window manager and the buses go when it ends, and its exit
# status is the script's.
#   x11_desktop.sh COMMAND [ARGUMENTS...]
set -eu
work=$(mktemp -d "${TMPDIR:-/tmp}/aervik-x11.XXXXXX")
server=""
manager=""
cleanup() {
  if [ -n "$manager" ]; then kill "$manager" 2>/dev/null || true; fi
  if [ -n "$server" ]; then kill "$server" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Xvfb writes the number of a free display once it accepts connections.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
read -r number <"$work/display" || { cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$number"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
manager=$!
# The window manager is up once it has named itself on the root window.
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
  tries=$((tries + 1))
  if [ "$tries" -gt 100 ]; then
    echo "x11_desktop.sh: openbox did not start" >&2
    cat "$work/openbox.log" >&2
    exit 1
  fi
  sleep 0.1
done
# The session bus, and on it the accessibility bus of the desktop's assistive technology
# service (at-spi2-core), switched on as a screen reader switches it on.
QT_QPA_PLATFORM=xcb dbus-run-session -- sh -c '
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
    variant:boolean:true >/dev/null &&
    exec "$@"' x11_desktop "$@"
