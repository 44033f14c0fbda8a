#!/bin/sh
# Checks that the Debian 12 packages needed to build, run, test and package the configurator
# are installed, and installs the missing ones:
# - as root, with apt-get;
# - as a normal user with sudo, through sudo (which may ask for the password);
# - as a normal user without sudo, it prints the apt-get line to run as root and fails.
# With everything installed it does nothing, for any user.
set -eu

PACKAGES="g++ cmake make pkg-config libgtest-dev libbenchmark-dev qt6-base-dev qt6-svg-dev
qt6-qpa-plugins qt6-translations-l10n libxlsxwriter-dev python3 python3-openpyxl
fonts-dejavu-core fonts-dejavu-extra dpkg-dev desktop-file-utils appstream lintian ninja-build
clang-format"

# The tests on a real desktop: the users' locale made with localedef, an X server with a window
# manager, the session bus and the accessibility service that screen readers use.
PACKAGES="$PACKAGES locales xvfb openbox x11-utils dbus-daemon at-spi2-core"

# A replaced file keeps its extended attributes and access control list (libattr, libacl);
# the file-output tests set file attributes (chattr of e2fsprogs) and save as another user
# (setpriv of util-linux).
PACKAGES="$PACKAGES libattr1-dev libacl1-dev e2fsprogs util-linux"

# The core built for Windows and tested under Wine (scripts/windows-core.sh): the cross
# compilers, Wine, GoogleTest's sources, and the tools that unpack and patch Debian's
# source packages.
WINDOWS_PACKAGES="g++-mingw-w64-x86-64-posix wine64 googletest dpkg-dev patch"
PACKAGES="$PACKAGES $WINDOWS_PACKAGES"

missing=""
for p in $PACKAGES; do
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
