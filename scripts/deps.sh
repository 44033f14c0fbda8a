#!/bin/sh
# Installs the Debian 12 packages that building, running and testing need,
# only those that are missing.
set -eu

PACKAGES="g++ cmake make pkg-config libgtest-dev qt6-base-dev qt6-svg-dev qt6-qpa-plugins
libxlsxwriter-dev python3 python3-openpyxl fonts-dejavu-core fonts-dejavu-extra
dpkg-dev desktop-file-utils libbenchmark-dev ninja-build clang-format"

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done

if [ -n "$missing" ]; then
  echo "Installing:$missing"
  if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
  $SUDO apt-get update
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi
