#!/bin/sh
# Checks that the Debian 12 packages a task needs are installed, and installs the missing ones:
# - as root, with apt-get;
# - as a normal user with sudo, through sudo (which may ask for the password);
# - as a normal user without sudo, it prints the apt-get line to run as root and fails.
# With everything installed it does nothing, for any user.
#
#   deps.sh [PROFILE...]     the packages of the profiles named; without one, of ci
#
#   build      compile the program
#   run        what the program loads when it runs
#   test       build and run, and what the tests need (the README's test command)
#   windows    build the program for Windows and test it under Wine
#   lint       the checks of the sources' form
#   benchmark  the benchmark program
#   ci         test, windows and lint
set -eu

# Compilers, build tools and the libraries the program is built on.
BUILD="g++ cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libxlsxwriter-dev
libattr1-dev libacl1-dev"

# Loaded at run time: the platform plugins, Qt's own Russian texts, and the fonts the captions
# are sized for (DejaVu Sans Condensed stands in for Tahoma).
RUN="qt6-qpa-plugins qt6-translations-l10n fonts-dejavu-core fonts-dejavu-extra"

# The tests: GoogleTest; the independent workbook reader; the users' locale made with
# localedef; a real desktop (an X server with a window manager, the session bus and the
# accessibility service screen readers use); file attributes (chattr) and another user
# (setpriv) for the file-output tests; and the tools that build and check the Debian package.
TEST="$BUILD $RUN libgtest-dev python3 python3-openpyxl locales xvfb openbox x11-utils
dbus-daemon at-spi2-core e2fsprogs util-linux dpkg-dev desktop-file-utils appstream lintian"

# The build for Windows and its tests under Wine: the cross compilers, Wine with its fonts and
# the font the tests draw with, GoogleTest's sources, the tools that fetch, unpack and patch
# Debian's source packages and build them (Qt's build wants perl), the installer's compiler,
# and for the program on a desktop an X server, a window manager, real keys and screenshots.
WINDOWS="g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev wine64
fonts-wine fonts-dejavu-core googletest dpkg-dev debian-archive-keyring xz-utils patch make perl
cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-translations-l10n nsis xvfb openbox
x11-utils xdotool imagemagick dbus-daemon at-spi2-core python3 python3-openpyxl"

LINT="clang-format clang-tidy shellcheck"
BENCHMARK="libbenchmark-dev"

[ $# -gt 0 ] || set -- ci
PACKAGES=""
for profile in "$@"; do
  case "$profile" in
    build) PACKAGES="$PACKAGES $BUILD" ;;
    run) PACKAGES="$PACKAGES $RUN" ;;
    test) PACKAGES="$PACKAGES $TEST" ;;
    windows) PACKAGES="$PACKAGES $WINDOWS" ;;
    lint) PACKAGES="$PACKAGES $LINT" ;;
    benchmark) PACKAGES="$PACKAGES $BENCHMARK" ;;
    ci) PACKAGES="$PACKAGES $TEST $WINDOWS $LINT" ;;
    *)
      echo "usage: $0 [build|run|test|windows|lint|benchmark|ci]..." >&2
      exit 2
      ;;
  esac
done

missing=""
for p in $PACKAGES; do
  case " $missing " in *" $p "*) continue ;; esac
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

install_line="apt-get install --no-install-recommends$missing"
as_root() {
  cat >&2 <<EOF
scripts/deps.sh: these Debian packages are missing:$missing
$1 Run as root:

    $install_line

then run this command again.
EOF
  exit 1
}

# Runs apt-get, through the command given (sudo) if any.
install_missing() {
  echo "Installing:$missing"
  # shellcheck disable=SC2086
  "$@" apt-get update &&
    "$@" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
}

if [ "$(id -u)" -eq 0 ]; then
  install_missing
elif command -v sudo >/dev/null 2>&1; then
  install_missing sudo || as_root "Installing them through sudo failed."
else
  as_root "Installing them needs root, and sudo is not available."
fi
