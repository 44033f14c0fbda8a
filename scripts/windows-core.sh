#!/bin/sh
# Builds the window-free core and its GoogleTest tests for 64-bit Windows with Debian's
# mingw-w64 compilers, runs them under Debian's Wine in a throw-away Wine prefix, and checks
# that a workbook and a text file written by the Windows build match the Linux build's.
#
# zlib and libxlsxwriter for Windows are built from Debian's source packages, fetched by
# apt's source tooling through a private sources list, package lists and cache in
# build-windows/deps: the machine's apt configuration is neither used for that nor changed.
# GoogleTest is built from Debian's /usr/src/googletest. The libraries are built once and
# kept; a later run only rebuilds the core and runs the tests.
#
#   scripts/windows-core.sh           everything: libraries, build, tests, comparison
#   scripts/windows-core.sh --deps    the libraries alone
#   scripts/windows-core.sh --werror  everything, with compiler warnings as errors (as CI)
set -eu
werror=OFF
deps_only=""
for arg in "$@"; do
  case "$arg" in
    --deps) deps_only=1 ;;
    --werror) werror=ON ;;
    *)
      echo "usage: $0 [--deps] [--werror]" >&2
      exit 2
      ;;
  esac
done
cd "$(dirname "$0")/.."
[ -n "${AERVIK_DEPS_CHECKED:-}" ] || scripts/deps.sh windows
root=$PWD
dir=$root/build-windows
deps=$dir/deps
prefix=$deps/prefix
toolchain=$root/cmake/mingw-w64-x86_64.cmake
patch=$root/cmake/libxlsxwriter-mingw-utf8-names.patch
linux_build=$root/build
jobs=$(nproc)

say() { printf '%s\n' "windows-core: $*"; }

elapsed() { echo $(($(date +%s) - $1)); }

# What the libraries in the prefix were built from: the toolchain file, this script's
# recipe and the GoogleTest sources. A change of any rebuilds them.
recipe() {
  {
    cat "$toolchain" "$patch"
    sed -n '/^build_deps()/,/^}/p' "$root/scripts/windows-core.sh"
    dpkg-query -W -f='${Version}\n' googletest
  } | sha256sum | cut -d' ' -f1
}

fetch_sources() {
  apt_dir=$deps/apt
  rm -rf "$deps/src"
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$deps/src"
  # The release and its updates; the security archive serves no source files here.
  cat >"$apt_dir/sources.list" <<'EOF'
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm-updates main
EOF
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
  apt-get "$@" update >"$deps/fetch.log" 2>&1 || { cat "$deps/fetch.log"; exit 1; }
  (cd "$deps/src" && apt-get "$@" source --download-only libxlsxwriter zlib) \
    >>"$deps/fetch.log" 2>&1 || { cat "$deps/fetch.log"; exit 1; }
  for dsc in "$deps"/src/*.dsc; do
    name=$(sed -n 's/^Source: //p' "$dsc")
    (cd "$deps/src" && dpkg-source -x "$dsc" "$name") >>"$deps/fetch.log" 2>&1 ||
      { cat "$deps/fetch.log"; exit 1; }
    echo "$name $(sed -n 's/^Version: //p' "$dsc")" >>"$deps/src/versions"
  done
  patch -d "$deps/src/libxlsxwriter" -p1 <"$patch" >>"$deps/fetch.log" 2>&1 ||
    { cat "$deps/fetch.log"; exit 1; }
}

build_deps() {
  rm -rf "$prefix" "$deps/build"
  mkdir -p "$prefix/lib" "$prefix/include"
  set -- -G "Unix Makefiles" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DAERVIK_WINDOWS_PREFIX="$prefix"

  # GoogleTest without GoogleMock, built beside zlib and libxlsxwriter: it needs neither, and
  # each configuring leaves a processor idle.
  (
    cmake -S /usr/src/googletest -B "$deps/build/googletest" "$@" -DBUILD_GMOCK=OFF &&
      cmake --build "$deps/build/googletest" -j"$jobs" &&
      cmake --install "$deps/build/googletest"
  ) >"$deps/build-googletest.log" 2>&1 &
  googletest=$!

  # zlib: the static library alone, as libz.a.
  cmake -S "$deps/src/zlib" -B "$deps/build/zlib" "$@" >"$deps/build.log" 2>&1 || return 1
  cmake --build "$deps/build/zlib" --target zlibstatic -j"$jobs" >>"$deps/build.log" 2>&1 || return 1
  cp "$deps/build/zlib/libzlibstatic.a" "$prefix/lib/libz.a" || return 1
  cp "$deps/src/zlib/zlib.h" "$deps/build/zlib/zconf.h" "$prefix/include/" || return 1

  # libxlsxwriter, static, with the minizip, tmpfileplus and MD5 sources it carries (Debian's
  # own build takes minizip and MD5 from other packages, which are not built for Windows here)
  # and with UTF-8 file names on Windows (cmake/libxlsxwriter-mingw-utf8-names.patch).
  cmake -S "$deps/src/libxlsxwriter" -B "$deps/build/libxlsxwriter" "$@" \
    -DBUILD_SHARED_LIBS=OFF -DZLIB_LIBRARY="$prefix/lib/libz.a" \
    -DZLIB_INCLUDE_DIR="$prefix/include" >>"$deps/build.log" 2>&1 || return 1
  cmake --build "$deps/build/libxlsxwriter" -j"$jobs" >>"$deps/build.log" 2>&1 || return 1
  cmake --install "$deps/build/libxlsxwriter" >>"$deps/build.log" 2>&1 || return 1

  # GoogleTest's status, from the build beside the others.
  wait "$googletest" || return 1

  cp "$deps/src/versions" "$prefix/versions" || return 1
  echo "googletest $(dpkg-query -W -f='${Version}' googletest)" >>"$prefix/versions"
}

deps_ready() {
  [ -f "$prefix/recipe" ] && [ "$(cat "$prefix/recipe")" = "$(recipe)" ]
}

# Built libraries are also kept outside the work tree, under the hash of what they were
# built from, so that a fresh clone on this machine (as CI's) reuses them.
# AERVIK_WINDOWS_CACHE names another place; "none" keeps nothing there.
cache=${AERVIK_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/norda-aervik/windows-libraries}

start=$(date +%s)
key=$(recipe)
if deps_ready; then
  say "libraries for Windows already built: $(tr '\n' ' ' <"$prefix/versions")"
elif [ "$cache" != none ] && [ -f "$cache/$key/recipe" ]; then
  rm -rf "$prefix"
  mkdir -p "$deps"
  cp -a "$cache/$key" "$prefix"
  say "libraries for Windows taken from $cache: $(tr '\n' ' ' <"$prefix/versions")"
else
  say "fetching Debian's sources of zlib and libxlsxwriter"
  fetch_sources
  say "building $(tr '\n' ' ' <"$deps/src/versions")and GoogleTest for Windows"
  if ! build_deps; then
    wait
    tail -n 40 "$deps/build.log" "$deps/build-googletest.log"
    exit 1
  fi
  echo "$key" >"$prefix/recipe"
  say "libraries built in $(elapsed "$start") s: $(tr '\n' ' ' <"$prefix/versions")"
  if [ "$cache" != none ] && mkdir -p "$cache" 2>/dev/null; then
    # Copied under a temporary name and renamed: a run beside this one never sees half.
    copy=""
    if copy=$(mktemp -d "$cache/.new.XXXXXX") && cp -a "$prefix/." "$copy/" &&
      mv -T "$copy" "$cache/$key" 2>/dev/null; then
      say "libraries kept in $cache/$key"
    else
      rm -rf "$copy"
    fi
  fi
fi
[ -n "$deps_only" ] && exit 0

# The core and its tests for Windows.
start=$(date +%s)
cmake --preset windows-core -DAERVIK_WERROR="$werror" >"$dir/configure.log" 2>&1 || { cat "$dir/configure.log"; exit 1; }
cmake --build --preset windows-core -j"$jobs" >"$dir/build.log" 2>&1 ||
  { grep -v '^\[' "$dir/build.log" | tail -n 60; exit 1; }
say "core and tests built for Windows in $(elapsed "$start") s"

# A Wine prefix for this run alone; it goes when the script ends.
start=$(date +%s)
run=$(mktemp -d "${TMPDIR:-/tmp}/aervik-windows.XXXXXX")
cleanup() {
  status=$?
  WINEPREFIX="$run/wine" /usr/lib/wine/wineserver -k 2>/dev/null || true
  rm -rf "$run"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
export WINEPREFIX="$run/wine"
mkdir -p "$WINEPREFIX"
"$root/scripts/wine-run.sh" cmd /c exit 0 >/dev/null 2>&1
say "Wine prefix ready in $(elapsed "$start") s"

start=$(date +%s)
ctest --preset windows-core
say "tests run under Wine in $(elapsed "$start") s"

# The same text file and workbook from both builds.
start=$(date +%s)
cmake --build "$linux_build" --target report_sample >/dev/null
mkdir -p "$run/linux" "$run/windows"
"$linux_build/tests/report_sample" "$run/linux"
"$root/scripts/wine-run.sh" "$dir/report_sample.exe" "Z:$(printf '%s' "$run/windows" | tr / '\134')"
failed=0
text=спецификация.txt
book=спецификация.xlsx
if cmp "$run/linux/$text" "$run/windows/$text"; then
  say "text file: the Windows build's $(wc -c <"$run/windows/$text") bytes equal the Linux build's"
else
  failed=1
fi
/usr/bin/python3 "$root/tests/core/read_xlsx.py" "$run/linux/$book" >"$run/linux.rows"
/usr/bin/python3 "$root/tests/core/read_xlsx.py" "$run/windows/$book" >"$run/windows.rows"
# The sample holds a header and six items: a shorter sheet means the sample lost its rows.
if [ "$(wc -l <"$run/linux.rows")" -eq 7 ] && diff "$run/linux.rows" "$run/windows.rows"; then
  say "workbook: the Windows build's $(wc -l <"$run/windows.rows") rows read back equal to the Linux build's"
else
  failed=1
fi
say "comparison with the Linux build in $(elapsed "$start") s"
if [ "$failed" -ne 0 ]; then
  say "the Windows build's files differ from the Linux build's"
  exit 1
fi
