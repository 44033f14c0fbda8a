#!/bin/sh
# Builds the Debian package from the build tree and checks it as Debian's tools and a desktop
# see it: lintian finds no error and no warning, the desktop entry and the AppStream metainfo
# validate, the program is stripped and hardened, the copyright file, changelog and manual
# page are there, the package names what it loads at run time, and every version agrees.
set -eu
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/pkg" >"$work/cpack.log" 2>&1) || {
  cat "$work/cpack.log"
  exit 1
}
deb="$(ls "$work"/pkg/*.deb)"
root="$work/root"
dpkg-deb -x "$deb" "$root"

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
has() { grep -q -- "$2" "$1"; }

# The program and the menu entry.
program="$root/usr/bin/norda-aervik"
test -x "$program" || { echo "FAIL: no executable in /usr/bin"; exit 1; }
desktop="$root/usr/share/applications/norda-aervik.desktop"
test -f "$desktop" || { echo "FAIL: no desktop entry"; exit 1; }
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
has "$desktop" '^Exec=norda-aervik$' || fail "desktop entry does not start the program"
has "$desktop" '^Icon=norda-aervik$' || fail "desktop entry names another icon"
for key in Name Comment Keywords; do
  has "$desktop" "^$key=[A-Za-z]" || fail "desktop entry has no English $key"
  # Russian: a value with letters beyond ASCII.
  grep "^$key\[ru\]=" "$desktop" | LC_ALL=C grep -q '[^[:print:]]' ||
    fail "desktop entry has no Russian $key"
done
# What a search on an English desktop types must find the entry.
for word in enclosure heater cooling fan; do
  sed -n 's/^Keywords=//p' "$desktop" | tr ';' '\n' | grep -qx "$word" ||
    fail "desktop keywords lack \"$word\""
done
icon="$root/usr/share/icons/hicolor/scalable/apps/norda-aervik.svg"
test -f "$icon" || fail "no icon in the hicolor theme"
grep -q '<svg' "$icon" || fail "icon is not SVG"

# AppStream metainfo: valid, tied to the desktop entry, in both languages.
metainfo="$(ls "$root"/usr/share/metainfo/*.metainfo.xml 2>/dev/null || true)"
if [ -z "$metainfo" ]; then
  fail "no AppStream metainfo"
else
  appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 || {
    cat "$work/appstream.log"
    fail "AppStream metainfo does not validate"
  }
  # The whole tree: the metainfo together with the desktop entry it launches.
  appstreamcli validate-tree --no-net "$root" >"$work/appstream-tree.log" 2>&1 || {
    cat "$work/appstream-tree.log"
    fail "AppStream metainfo does not match the installed files"
  }
  id="$(sed -n 's|.*<id>\(.*\)</id>.*|\1|p' "$metainfo")"
  [ "$(basename "$metainfo")" = "$id.metainfo.xml" ] || fail "metainfo file is not named after $id"
  has "$metainfo" '<launchable type="desktop-id">norda-aervik.desktop</launchable>' ||
    fail "metainfo does not launch the desktop entry"
  for tag in name summary p; do
    has "$metainfo" "<$tag>" || fail "metainfo has no English <$tag>"
    has "$metainfo" "<$tag xml:lang=\"ru\">" || fail "metainfo has no Russian <$tag>"
  done
  has "$metainfo" '<content_rating type="oars-1.1"' || fail "metainfo has no content rating"
fi

# Documentation.
doc="$root/usr/share/doc/norda-aervik"
test -f "$doc/copyright" || fail "no copyright file"
head -1 "$doc/copyright" 2>/dev/null |
  grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "copyright file is not machine-readable"
test -f "$doc/changelog.gz" || fail "no changelog"
test -f "$root/usr/share/man/man1/norda-aervik.1.gz" || fail "no manual page"

# Versions: the package's (the project's), the changelog's latest entry, the latest release.
version="$(dpkg-deb -f "$deb" Version)"
changelog_version="$(zcat "$doc/changelog.gz" 2>/dev/null | sed -n '1s/^norda-aervik (\([^)]*\)).*/\1/p')"
[ "$changelog_version" = "$version" ] ||
  fail "latest changelog entry is \"$changelog_version\", the package is $version"
release="$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -1)"
[ "$release" = "$version" ] || fail "latest AppStream release is \"$release\", the package is $version"

# The control data: a long description and what the program loads at run time.
[ "$(dpkg-deb -f "$deb" Description | wc -l)" -gt 2 ] || fail "package has no long description"
depends="$(dpkg-deb -f "$deb" Depends)"
# The fonts the captions are sized for, Qt's Russian texts, the plugins and libraries.
for need in libqt6widgets6 libqt6svg6 libxlsxwriter4 qt6-qpa-plugins fonts-dejavu-core \
  fonts-dejavu-extra qt6-translations-l10n; do
  echo "$depends" | tr ',' '\n' | grep -q "^ *$need\b" ||
    fail "package does not depend on $need: $depends"
done

# The program: stripped and hardened.
readelf -S -W "$program" >"$work/sections"
! grep -Eq ' \.symtab | \.debug_' "$work/sections" || fail "program is not stripped"
readelf -h "$program" | grep -q 'Type: *DYN' || fail "program is not position-independent"
readelf -l -W "$program" | grep -q 'GNU_RELRO' || fail "program has no read-only relocations"
readelf -d -W "$program" | grep -Eq 'BIND_NOW|FLAGS.* NOW' || fail "program is not bound at start"
readelf --dyn-syms -W "$program" >"$work/symbols"
has "$work/symbols" '__stack_chk_fail' || fail "program has no stack protector"
# Fortified libc calls: every source of the program compiled with _FORTIFY_SOURCE (the
# binary alone cannot tell, as only calls whose buffer sizes are known become checked ones).
# The test programs, built in tests/, are not shipped and not fortified.
# A program built with AddressSanitizer is left unfortified on purpose.
if ! has "$work/symbols" '__asan_init'; then
  grep '"command"' "$build/compile_commands.json" | grep -v -- ' -o tests/' >"$work/commands" || true
  if [ ! -s "$work/commands" ] || grep -qv -- '-D_FORTIFY_SOURCE=2' "$work/commands"; then
    fail "program is not built with _FORTIFY_SOURCE=2"
  fi
fi

# lintian: no error and no warning; its whole report is shown when it finds one.
lintian --info --display-info --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || {
  cat "$work/lintian.log"
  fail "lintian reports errors or warnings"
}

[ "$failures" -eq 0 ] || exit 1
echo "package ok: $(basename "$deb")"
