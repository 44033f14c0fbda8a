#!/bin/sh
# Builds the Debian package from the build tree, unpacks it and checks that a desktop finds
# the program, its menu entry and its icon, and that the package declares what it needs.
set -eu
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/pkg" >"$work/cpack.log" 2>&1) || {
  cat "$work/cpack.log"
  exit 1
}
deb="$(ls "$work"/pkg/*.deb)"
dpkg-deb -x "$deb" "$work/root"

fail() { echo "FAIL: $*"; exit 1; }
test -x "$work/root/usr/bin/norda-aervik" || fail "no executable in /usr/bin"
desktop="$work/root/usr/share/applications/norda-aervik.desktop"
test -f "$desktop" || fail "no desktop entry"
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
grep -q '^Exec=norda-aervik$' "$desktop" || fail "desktop entry does not start the program"
grep -q '^Icon=norda-aervik$' "$desktop" || fail "desktop entry names another icon"
icon="$work/root/usr/share/icons/hicolor/scalable/apps/norda-aervik.svg"
test -f "$icon" || fail "no icon in the hicolor theme"
grep -q '<svg' "$icon" || fail "icon is not SVG"

depends="$(dpkg-deb -f "$deb" Depends)"
for need in libqt6widgets6 libqt6svg6 libxlsxwriter4 qt6-qpa-plugins; do
  echo "$depends" | grep -q "$need" || fail "package does not depend on $need: $depends"
done
echo "package ok: $(basename "$deb")"
