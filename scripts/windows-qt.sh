#!/bin/sh
# Builds Qt 6.4.2 for 64-bit Windows (Core, Gui, Widgets, Test; shared libraries) from
# Debian's own qt6-base source package, with Debian's mingw-w64 compilers, and with Debian's
# installed Qt 6.4.2 as the host Qt: moc, rcc, uic and Qt's other build tools are Debian's
# (/usr/lib/qt6/libexec), none is built here. The result is linked as build-windows/qt.
#
# 1. Fetch: qt6-base of the same version as the installed qt6-base-dev, through apt's source
#    tooling with a private sources list, package lists and cache in build-windows/qt-work
#    (the machine's apt configuration is neither used nor changed). The .dsc and tarballs are
#    kept in the cache folder, so a later build works without the archive.
# 2. Unpack with dpkg-source -x (Debian's patches) and apply cmake/qtbase-mingw-*.patch.
# 3. Configure (cmake -G Ninja), build, install (stripped) into a prefix that is kept, under
#    the hash of everything it was built from (the .dsc's checksums, the patches, the
#    configure options and build steps of this script, the toolchain file and the versions
#    of the compilers, binutils, mingw-w64 headers, CMake, Ninja and the host Qt), in
#    ${AERVIK_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/norda-aervik}/windows-qt/<hash>;
#    AERVIK_WINDOWS_CACHE=none keeps nothing there and puts the prefix in build-windows/qt.
#    A machine builds it once; a later run, from any clone, only links it.
# 4. Verify (after a fresh build, or with --verify): tests/windows/qt_smoke, a small Qt
#    Widgets test program, cross-compiled against the result and run under Wine with the
#    offscreen platform in a throw-away Wine prefix.
#
#   scripts/windows-qt.sh             build or take from the cache; verify a fresh build
#   scripts/windows-qt.sh --verify    verify also when the build came from the cache
#   scripts/windows-qt.sh --no-verify never verify
#
# Every phase prints its wall time; its log is in build-windows/qt-work/<phase>.log.
#
# The configure line of a run (build-windows/qt-work/configure-line; the
# installed prefix's "versions" file keeps it too):
#
#   cmake build-windows/qt-work/src/qt6-base -GNinja
#     -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DAERVIK_WINDOWS_SHARED_RUNTIME=ON
#     -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=~/.cache/norda-aervik/windows-qt/<hash>
#     -DBUILD_SHARED_LIBS=ON
#     -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
#     "-DCMAKE_C_FLAGS=-ffile-prefix-map=<source>=qtbase -ffile-prefix-map=<build>=build"
#     "-DCMAKE_CXX_FLAGS=-ffile-prefix-map=<source>=qtbase -ffile-prefix-map=<build>=build"
#     -DCMAKE_SHARED_LINKER_FLAGS=-Wl,--no-insert-timestamp
#     -DCMAKE_MODULE_LINKER_FLAGS=-Wl,--no-insert-timestamp
#     -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DINPUT_opengl=no
#     -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
#     -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_icu=OFF
#     -DFEATURE_zstd=OFF -DFEATURE_pkg_config=OFF -DFEATURE_system_zlib=OFF
#     -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF -DFEATURE_system_harfbuzz=OFF
#     -DFEATURE_system_freetype=OFF -DFEATURE_system_doubleconversion=OFF
#     -DFEATURE_system_libb2=OFF -DFEATURE_system_textmarkdownreader=OFF
#     -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
#     -DFEATURE_direct2d1_1=OFF -DFEATURE_directwrite3=OFF
#     -DFEATURE_windeployqt=OFF -DFEATURE_androiddeployqt=OFF
#     -DFEATURE_pdf=OFF -DFEATURE_textodfwriter=OFF -DFEATURE_textmarkdownreader=OFF
#     -DFEATURE_textmarkdownwriter=OFF -DFEATURE_graphicsview=OFF -DFEATURE_mdiarea=OFF
#     -DFEATURE_calendarwidget=OFF -DFEATURE_datetimeedit=OFF -DFEATURE_lcdnumber=OFF
#     -DFEATURE_dial=OFF -DFEATURE_fontcombobox=OFF -DFEATURE_fontdialog=OFF
#     -DFEATURE_colordialog=OFF -DFEATURE_wizard=OFF -DFEATURE_splashscreen=OFF
#     -DFEATURE_keysequenceedit=OFF -DFEATURE_undoview=OFF -DFEATURE_columnview=OFF
#
# Wall times on the 2-core machine (Debian 12): fetch 2 s (apt-get update 1 s, 46 MB of
# source 1 s), unpack and patch 4 to 23 s, configure 40 to 77 s, build 1358 s (928 steps)
# when nothing else runs and 2632 to 2773 s beside other work (load about 4), install with
# strip 2 s, keep in the cache 1 s, smoke test (its build, a new Wine prefix, the run)
# 16 to 19 s: 24 minutes in all on an idle machine, 45 to 49 on a busy one. The prefix is
# 61 MB (the four DLLs 20 MB, the plugins 1.2 MB). With the build in the cache: under 1 s;
# with --verify 13 s.
#
# Using it: tests/windows/qt_smoke/CMakeLists.txt shows the CMake options (the toolchain
# file with AERVIK_WINDOWS_SHARED_RUNTIME=ON, AERVIK_WINDOWS_PREFIX=build-windows/qt,
# QT_HOST_PATH, and --no-zstd for AUTORCC), and smoke_test() below what a program needs
# beside it: Qt6Core, Qt6Gui, Qt6Widgets (and Qt6Test) DLLs, platforms/qwindows.dll
# (qoffscreen.dll for tests), styles/qwindowsvistastyle.dll and the compiler's
# libstdc++-6.dll, libgcc_s_seh-1.dll and libwinpthread-1.dll.
set -eu

say() { printf '%s\n' "windows-qt: $*"; }

verify=auto
for arg in "$@"; do
  case "$arg" in
    --verify) verify=yes ;;
    --no-verify) verify=no ;;
    *)
      echo "usage: $0 [--verify|--no-verify]" >&2
      exit 2
      ;;
  esac
done

cd "$(dirname "$0")/.."
# The Debian packages of the Windows step: host Qt and its tools, the cross compilers, the
# source tooling, and for the smoke test Wine, Qt's own Russian texts and a font.
[ -n "${AERVIK_DEPS_CHECKED:-}" ] || scripts/deps.sh windows
root=$PWD
script=$root/scripts/windows-qt.sh
toolchain=$root/cmake/mingw-w64-x86_64.cmake
dir=$root/build-windows
qt=$dir/qt
work=$dir/qt-work
src=$work/src/qt6-base
bld=$work/build
stage=$work/prefix
mkdir -p "$work"

# The Windows Qt must be the host Qt's version: its moc and rcc write the Windows build's code.
qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
case "$qt_version" in
  6.4.2+*) ;;
  *)
    say "the installed qt6-base-dev is $qt_version; this script builds 6.4.2" >&2
    exit 1
    ;;
esac

cache_base=${AERVIK_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/norda-aervik}
if [ "$cache_base" = none ]; then
  cache=""
  sources=$work/sources
else
  cache=$cache_base/windows-qt
  sources=$cache/sources
fi
dsc=$sources/qt6-base_${qt_version#*:}.dsc

now() { date +%s; }
elapsed() { echo $(($(now) - $1)); }

# Runs a phase's command with its output in build-windows/qt-work/<phase>.log and prints its
# wall time; on failure prints the end of the log and stops. The command runs as a job of its
# own and is waited for, so that set -e holds inside it (a function called in a condition
# would run with set -e ignored).
phase() {
  phase_name=$1
  shift
  phase_log=$work/$phase_name.log
  phase_start=$(now)
  "$@" >"$phase_log" 2>&1 &
  if ! wait $!; then
    grep -v '^\[[0-9]*/[0-9]*\] ' "$phase_log" | tail -n 60 >&2
    say "$phase_name failed after $(elapsed "$phase_start") s; the whole log: $phase_log" >&2
    exit 1
  fi
  say "$phase_name: $(elapsed "$phase_start") s"
}

# The source files the .dsc lists, with its SHA-256 sums: "sum size name" lines.
dsc_files() {
  sed -n '/^Checksums-Sha256:/,/^[^ ]/s/^ //p' "$dsc"
}

# True when the .dsc and every file it lists are in the sources folder, unchanged.
sources_complete() {
  [ -f "$dsc" ] || return 1
  dsc_files | while read -r sum _ name; do
    [ "$(sha256sum <"$sources/$name" 2>/dev/null | cut -d' ' -f1)" = "$sum" ] || exit 1
  done
}

# Debian's qt6-base source (scripts/debian-source.sh); the files then go into the sources
# folder, each under a temporary name first, so that a run beside this one never takes half a
# file.
fetch_sources() {
  rm -rf "$work/download"
  mkdir -p "$sources"
  "$root/scripts/debian-source.sh" "$work/apt" "$work/download" "qt6-base=$qt_version"
  for f in "$work"/download/*; do
    cp "$f" "$sources/.new.${f##*/}"
    mv "$sources/.new.${f##*/}" "$sources/${f##*/}"
  done
  rm -rf "$work/download"
  sources_complete
}

# Debian's source tree with Debian's patches, then the project's own.
unpack_source() {
  dpkg-source -x "$dsc" "$src"
  for p in "$root"/cmake/qtbase-mingw-*.patch; do
    echo "applying ${p##*/}"
    patch -d "$src" -p1 <"$p"
  done
}

# The configure options, one a line. $install_prefix is where the result will be used from.
# The DLLs name source files relative to the source and build folders, not by the folders'
# place on this machine, and carry no link time (binutils writes SOURCE_DATE_EPOCH instead).
qt_options() {
  cat <<EOF
-GNinja
-DCMAKE_TOOLCHAIN_FILE=$toolchain
-DAERVIK_WINDOWS_SHARED_RUNTIME=ON
-DCMAKE_BUILD_TYPE=Release
-DCMAKE_INSTALL_PREFIX=$install_prefix
-DBUILD_SHARED_LIBS=ON
-DQT_HOST_PATH=/usr
-DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
-DCMAKE_C_FLAGS=-ffile-prefix-map=$src=qtbase -ffile-prefix-map=$bld=build
-DCMAKE_CXX_FLAGS=-ffile-prefix-map=$src=qtbase -ffile-prefix-map=$bld=build
-DCMAKE_SHARED_LINKER_FLAGS=-Wl,--no-insert-timestamp
-DCMAKE_MODULE_LINKER_FLAGS=-Wl,--no-insert-timestamp
-DQT_BUILD_EXAMPLES=OFF
-DQT_BUILD_TESTS=OFF
-DINPUT_opengl=no
-DFEATURE_network=OFF
-DFEATURE_sql=OFF
-DFEATURE_dbus=OFF
-DFEATURE_printsupport=OFF
-DFEATURE_concurrent=OFF
-DFEATURE_xml=OFF
-DFEATURE_vulkan=OFF
-DFEATURE_icu=OFF
-DFEATURE_zstd=OFF
-DFEATURE_pkg_config=OFF
-DFEATURE_system_zlib=OFF
-DFEATURE_system_pcre2=OFF
-DFEATURE_system_png=OFF
-DFEATURE_system_harfbuzz=OFF
-DFEATURE_system_freetype=OFF
-DFEATURE_system_doubleconversion=OFF
-DFEATURE_system_libb2=OFF
-DFEATURE_system_textmarkdownreader=OFF
-DFEATURE_jpeg=OFF
-DFEATURE_gif=OFF
-DFEATURE_ico=OFF
-DFEATURE_direct2d1_1=OFF
-DFEATURE_directwrite3=OFF
-DFEATURE_windeployqt=OFF
-DFEATURE_androiddeployqt=OFF
-DFEATURE_pdf=OFF
-DFEATURE_textodfwriter=OFF
-DFEATURE_textmarkdownreader=OFF
-DFEATURE_textmarkdownwriter=OFF
-DFEATURE_graphicsview=OFF
-DFEATURE_mdiarea=OFF
-DFEATURE_calendarwidget=OFF
-DFEATURE_datetimeedit=OFF
-DFEATURE_lcdnumber=OFF
-DFEATURE_dial=OFF
-DFEATURE_fontcombobox=OFF
-DFEATURE_fontdialog=OFF
-DFEATURE_colordialog=OFF
-DFEATURE_wizard=OFF
-DFEATURE_splashscreen=OFF
-DFEATURE_keysequenceedit=OFF
-DFEATURE_undoview=OFF
-DFEATURE_columnview=OFF
EOF
}

# Configures, builds and installs into $stage, each step a phase with its own log. Niced:
# other work shares the processors.
build_qt() {
  rm -rf "$bld" "$stage"
  mkdir -p "$bld"
  # One option a line: split the list at line ends only, with no file name expansion.
  set -f
  old_ifs=$IFS
  IFS='
'
  # shellcheck disable=SC2046 # split on purpose, see above
  set -- $(qt_options)
  IFS=$old_ifs
  set +f
  printf '%s\n' "cmake $src $*" >"$work/configure-line"
  # Files' times in resources compiled by rcc: the date of Debian's last changelog entry.
  SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$src/debian/changelog" -STimestamp)
  export SOURCE_DATE_EPOCH
  phase configure nice -n 10 cmake -S "$src" -B "$bld" "$@"
  # Two jobs: the machine has two processors.
  phase build nice -n 10 cmake --build "$bld" --parallel 2
  phase install nice -n 10 cmake --install "$bld" --prefix "$stage" --strip
}

# The hash of everything the build is made from.
recipe() {
  {
    echo "qt6-base $qt_version"
    dsc_files
    cat "$toolchain" "$root"/cmake/qtbase-mingw-*.patch
    sed -n '/^unpack_source()/,/^}/p;/^qt_options()/,/^}/p;/^build_qt()/,/^}/p' "$script"
    dpkg-query -W -f='${Package} ${Version}\n' qt6-base-dev qt6-base-dev-tools \
      g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
      mingw-w64-x86-64-dev cmake ninja-build
    x86_64-w64-mingw32-g++-posix --version | head -n 1
  } | sha256sum | cut -d' ' -f1
}

# Cross-compiles tests/windows/qt_smoke against build-windows/qt, puts it beside the DLLs and
# plugins it needs (as a Windows installation would have them), and runs it under Wine.
smoke_test() {
  smoke=$dir/qt-smoke
  cmake -S "$root/tests/windows/qt_smoke" -B "$smoke" -GNinja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DAERVIK_WINDOWS_SHARED_RUNTIME=ON \
    -DAERVIK_WINDOWS_PREFIX="$qt" -DCMAKE_BUILD_TYPE=Release \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  cmake --build "$smoke"

  app=$run/app
  mkdir -p "$app/platforms" "$app/styles" "$app/translations"
  cp "$smoke/qt_smoke.exe" "$app/"
  for dll in Qt6Core Qt6Gui Qt6Widgets Qt6Test; do cp "$qt/bin/$dll.dll" "$app/"; done
  cp "$qt/plugins/platforms/qwindows.dll" "$qt/plugins/platforms/qoffscreen.dll" "$app/platforms/"
  cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$app/styles/"
  # The compiler's runtime DLLs, which Qt and the program link to.
  for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    cp "$(x86_64-w64-mingw32-g++-posix -print-file-name="$dll")" "$app/"
  done
  cp /usr/share/qt6/translations/qtbase_ru.qm "$app/translations/"

  # Wine passes no QT_* variable of the Unix environment to the program: they are set in
  # the prefix's environment. The offscreen platform draws text with FreeType from the fonts
  # of one folder, here Debian's DejaVu. Qt Test's standard output is lost through Wine:
  # tests/windows/run_qt_test.sh has the results written into a file and shows them.
  export WINEPREFIX="$run/wine"
  "$root/scripts/wine-run.sh" reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /t REG_SZ \
    /d offscreen /f
  "$root/scripts/wine-run.sh" reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /t REG_SZ \
    /d 'Z:\usr\share\fonts\truetype\dejavu' /f
  (cd "$app" && "$root/tests/windows/run_qt_test.sh" qt_smoke.exe)
}

start=$(now)
t=$(now)
if sources_complete; then
  say "qt6-base $qt_version source: $sources"
else
  say "fetching Debian's qt6-base $qt_version source"
  phase fetch fetch_sources
fi
key=$(recipe)
if [ -n "$cache" ]; then install_prefix=$cache/$key; else install_prefix=$qt; fi
say "hash of the build: $key ($(elapsed "$t") s)"

built=""
if [ -f "$qt/recipe" ] && [ "$(cat "$qt/recipe")" = "$key" ]; then
  say "Qt for Windows already in place: $qt -> $(readlink -f "$qt")"
elif [ -n "$cache" ] && [ -f "$cache/$key/recipe" ]; then
  rm -rf "$qt"
  ln -s "$cache/$key" "$qt"
  say "Qt for Windows taken from the cache: $qt -> $cache/$key"
else
  rm -rf "$work/src"
  mkdir -p "$work/src"
  phase unpack unpack_source
  build_qt
  echo "$key" >"$stage/recipe"
  {
    echo "qt6-base $qt_version (Debian source), host Qt $qt_version"
    x86_64-w64-mingw32-g++-posix --version | head -n 1
    cat "$work/configure-line"
  } >"$stage/versions"
  rm -rf "$qt"
  if [ -n "$cache" ]; then
    # Copied under a temporary name and renamed: a run beside this one never sees half.
    t=$(now)
    mkdir -p "$cache"
    copy=$(mktemp -d "$cache/.new.XXXXXX")
    cp -a "$stage/." "$copy/"
    if ! mv -T "$copy" "$cache/$key" 2>/dev/null; then
      rm -rf "$copy" # another run kept the same build first
    fi
    rm -rf "$stage"
    ln -s "$cache/$key" "$qt"
    say "store: $(elapsed "$t") s, kept in $cache/$key"
  else
    mv "$stage" "$qt"
  fi
  # The sources and the build tree (1.2 GB) are of no use any more: a change of anything
  # the build is made from starts both afresh. The logs stay.
  rm -rf "$bld" "$work/src"
  built=1
  say "Qt for Windows built in $(elapsed "$start") s: $(du -sh "$qt/" | cut -f1) in $qt"
fi

if [ "$verify" = yes ] || { [ "$verify" = auto ] && [ -n "$built" ]; }; then
  run=$(mktemp -d "${TMPDIR:-/tmp}/aervik-qt-smoke.XXXXXX")
  cleanup() {
    rc=$?
    WINEPREFIX="$run/wine" /usr/lib/wine/wineserver -k 2>/dev/null || true
    rm -rf "$run"
    exit "$rc"
  }
  trap cleanup EXIT
  trap 'exit 130' INT TERM
  phase verify smoke_test
  grep '^Totals' "$work/verify.log"
fi
say "done in $(elapsed "$start") s"
