#!/bin/sh
# Downloads Debian source packages (the .dsc and the files it lists) of the release and its
# updates through apt's source tooling, with a private sources list, package lists and
# cache: the machine's apt configuration is neither used nor changed, and no root is needed.
#
#   scripts/debian-source.sh APT_DIR DEST_DIR PACKAGE[=VERSION]...
#
# APT_DIR holds apt's lists and cache (made anew); the files land in DEST_DIR.
set -eu
if [ $# -lt 3 ]; then
  echo "usage: $0 APT_DIR DEST_DIR PACKAGE[=VERSION]..." >&2
  exit 2
fi
apt_dir=$1
dest=$2
shift 2
rm -rf "$apt_dir"
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$dest"
# The security archive serves no source files here.
cat >"$apt_dir/sources.list" <<'LIST'
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm-updates main
LIST
packages=$*
set -- -q \
  -o Dir::Etc::SourceList="$apt_dir/sources.list" \
  -o Dir::Etc::SourceParts=/dev/null \
  -o Dir::Etc::Preferences=/dev/null \
  -o Dir::Etc::PreferencesParts=/dev/null \
  -o Dir::State::Lists="$apt_dir/lists" \
  -o Dir::State::status=/dev/null \
  -o Dir::Cache="$apt_dir/cache"
# As root apt would hand the download to its unprivileged user, who cannot write here.
if [ "$(id -u)" -eq 0 ]; then set -- "$@" -o APT::Sandbox::User=root; fi
apt-get "$@" update
# shellcheck disable=SC2086 # one package a word
cd "$dest" && apt-get "$@" source --download-only $packages
