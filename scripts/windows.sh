#!/bin/sh
# Builds the configurator for 64-bit Windows with Debian's mingw-w64 compilers and proves it
# under Debian's Wine as a Russian Windows:
#  1. zlib, libxlsxwriter and GoogleTest for Windows, built from Debian's source packages
#     (fetched by apt's source tooling through a private sources list, package lists and
#     cache in build-windows/deps: the machine's apt configuration is neither used nor
#     changed) and from /usr/src/googletest; built once and kept;
#  2. Qt for Windows from Debian's qt6-base source (scripts/windows-qt.sh; built once, kept);
#  3. the program, its tests, its installer and its portable archive (preset windows, in
#     build-windows/build), with the artwork rendered by the Linux build's
#     aervik_render_artwork (build/, as scripts/test.sh leaves it);
#  4. a throw-away Wine prefix made as a Russian Windows (LANG=ru_RU.UTF-8: the ANSI code page
#     1251, Russian names of the user's folders);
#  5. the core tests and the window tests under Wine, with the offscreen platform;
#  6. the sample text file and workbook of both builds compared (tests/windows/report_sample);
#  7. the program itself on an X11 desktop (Xvfb and openbox) with Windows' own platform: a
#     journey with real keys through the heater, fan and save windows, its text file and
#     workbook compared with the Linux program's after the same journey, and screenshots of
#     the main window and a selection window (build-windows/screenshots);
#  8. the installer: installed silently, the installed program started, uninstalled, and
#     nothing left behind.
#
#   scripts/windows.sh           everything
#   scripts/windows.sh --deps    the libraries and Qt alone
#   scripts/windows.sh --werror  everything, with compiler warnings as errors (as CI)
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
export AERVIK_DEPS_CHECKED=1
root=$PWD
dir=$root/build-windows
build=$dir/build
deps=$dir/deps
prefix=$deps/prefix
toolchain=$root/cmake/mingw-w64-x86_64.cmake
patch=$root/cmake/libxlsxwriter-mingw-utf8-names.patch
linux_build=$root/build
jobs=$(nproc)

say() { printf '%s\n' "windows: $*"; }

elapsed() { echo $(($(date +%s) - $1)); }

# What the libraries in the prefix were built from: the toolchain file, this script's
# recipe and the GoogleTest sources. A change of any rebuilds them.
recipe() {
  {
    cat "$toolchain" "$patch"
    sed -n '/^build_deps()/,/^}/p' "$root/scripts/windows.sh"
    dpkg-query -W -f='${Version}\n' googletest
  } | sha256sum | cut -d' ' -f1
}

fetch_sources() {
  rm -rf "$deps/src"
  "$root/scripts/debian-source.sh" "$deps/apt" "$deps/src" libxlsxwriter zlib \
    >"$deps/fetch.log" 2>&1 || { cat "$deps/fetch.log"; exit 1; }
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

# Qt for Windows, built once and kept.
scripts/windows-qt.sh --no-verify
[ -n "$deps_only" ] && exit 0

# The program, its tests, its installer and its portable archive; the Linux build renders the
# artwork and writes the sample files to compare with.
start=$(date +%s)
cmake --build "$linux_build" --target aervik_render_artwork report_sample >/dev/null
mkdir -p "$build"
cmake --preset windows -DAERVIK_WERROR="$werror" >"$dir/configure.log" 2>&1 ||
  { cat "$dir/configure.log"; exit 1; }
{ cmake --build --preset windows -j"$jobs" && cmake --build --preset windows --target installer; } \
  >"$dir/build.log" 2>&1 || { grep -v '^\[' "$dir/build.log" | tail -n 60; exit 1; }
say "program, tests and installer built for Windows in $(elapsed "$start") s"

# A Wine prefix for this run alone, made as a Russian Windows; it goes when the script ends.
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
export LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8
# The users' locale as the Linux build's tests make it, when the system lacks it.
[ -d "$linux_build/tests/locales" ] && export LOCPATH="$linux_build/tests/locales"
mkdir -p "$WINEPREFIX"
wine() { "$root/scripts/wine-run.sh" "$@"; }
windows_path() { printf 'Z:%s' "$1" | tr / '\134'; }
wine cmd /c exit 0 >/dev/null 2>&1
# Wine passes no QT_ variable of the Linux side on: they are set in the prefix's environment.
setenv() { wine reg add 'HKCU\Environment' /v "$1" /t REG_SZ /d "$2" /f >/dev/null; }
unsetenv() { wine reg delete 'HKCU\Environment' /v "$1" /f >/dev/null 2>&1 || true; }
# The offscreen platform draws with the fonts of one folder: Wine's Tahoma, the face of most
# windows as on Windows, and the DejaVu faces for the rest (Wine has no Verdana).
mkdir -p "$run/fonts"
ln -s /usr/share/wine/fonts/tahoma.ttf /usr/share/fonts/truetype/dejavu/DejaVuSans*.ttf "$run/fonts/"
setenv QT_QPA_FONTDIR "$(windows_path "$run/fonts")"
qt=$(readlink -f "$dir/qt")
# The DLLs of Qt and of the compiler's runtime, for the programs run from the build folder.
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
winpthread=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")
WINEPATH="$(windows_path "$qt/bin");$(windows_path "$runtime");$(windows_path "$winpthread")"
export WINEPATH
codepage=$(wine reg query 'HKLM\System\CurrentControlSet\Control\Nls\CodePage' /v ACP |
  tr -d '\r' | awk '/ACP/ {print $NF}')
say "Wine prefix ready in $(elapsed "$start") s, ANSI code page $codepage"
[ "$codepage" = 1251 ] || { say "the prefix is no Russian Windows"; exit 1; }

start=$(date +%s)
setenv QT_QPA_PLATFORM offscreen
ctest --preset windows --parallel "$jobs"
unsetenv QT_QPA_PLATFORM
say "tests run under Wine in $(elapsed "$start") s"

# The same text file and workbook from both builds.
start=$(date +%s)
mkdir -p "$run/linux" "$run/windows"
"$linux_build/tests/report_sample" "$run/linux"
wine "$build/tests/report_sample.exe" "$(windows_path "$run/windows")"
failed=0
text=спецификация.txt
book=спецификация.xlsx
if cmp "$run/linux/$text" "$run/windows/$text"; then
  say "sample text file: the Windows build's $(wc -c <"$run/windows/$text") bytes equal the Linux build's"
else
  failed=1
fi
/usr/bin/python3 "$root/tests/core/read_xlsx.py" "$run/linux/$book" >"$run/linux.rows"
/usr/bin/python3 "$root/tests/core/read_xlsx.py" "$run/windows/$book" >"$run/windows.rows"
# The sample holds a header and six items: a shorter sheet means the sample lost its rows.
if [ "$(wc -l <"$run/linux.rows")" -eq 7 ] && diff "$run/linux.rows" "$run/windows.rows"; then
  say "sample workbook: the Windows build's $(wc -l <"$run/windows.rows") rows read back equal to the Linux build's"
else
  failed=1
fi
say "samples compared in $(elapsed "$start") s"
[ "$failed" -eq 0 ] || { say "the Windows build's files differ from the Linux build's"; exit 1; }

# The program on a desktop, with real keys, against the Linux program; then the installer.
start=$(date +%s)
mkdir -p "$dir/screenshots"
"$root/tests/x11_desktop.sh" "$root/tests/windows/desktop.sh" "$linux_build/norda-aervik" \
  "$build" "$run" "$dir/screenshots"
say "program and installer proven on the desktop in $(elapsed "$start") s"
