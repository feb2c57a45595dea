#!/bin/sh
# Builds Qt for 64-bit Windows with Debian's MinGW-w64 (POSIX threads) and
# installs it into a cache outside the work tree, where every later Windows
# build finds it: $TANDEM_QT_WINDOWS when set, else
# ${XDG_CACHE_HOME:-$HOME/.cache}/tandem/qt-<version>-mingw64.
#
# Debian ships Qt for Linux only, so this compiles qtbase from the very source
# of the installed host Qt's package (checked by its hash), with the host's Qt
# tools (moc, rcc, uic) through QT_HOST_PATH. The first build takes about an
# hour on 2 cores; a finished cache is reused and never rebuilt, and a build
# that stopped goes on where it stopped when the script runs again.
#
# Usage: build-qt-windows.sh [--print-prefix]
set -eu

here=$(cd "$(dirname "$0")" && pwd)
. "$here/qt-windows-env.sh"

if [ "${1:-}" = "--print-prefix" ]; then
    echo "$qt_windows_prefix"
    exit 0
fi

if [ -f "$qt_windows_prefix/.complete" ]; then
    echo "Qt $qt_version for Windows is ready in $qt_windows_prefix"
    exit 0
fi

# Source archives of the host Qt versions this script knows, with the SHA-256
# that Debian's .dsc gives for them.
case "$qt_version" in
6.4.2)
    archive_name=qt6-base_6.4.2+dfsg.orig.tar.xz
    sha256=4f14b89a9463a540fd84a6718b8519a2297119b454ef547721015a9e9019ae9e
    ;;
*)
    echo "build-qt-windows: no source hash known for the host's Qt $qt_version" >&2
    exit 1
    ;;
esac

work=${TANDEM_QT_WINDOWS_WORK:-$qt_windows_prefix.work}
mkdir -p "$work"
archive="$work/$archive_name"
if [ ! -f "$archive" ]; then
    echo "Fetching $archive_name from Debian's source pool"
    curl -sSfL --retry 3 -o "$archive.part" "http://deb.debian.org/debian/pool/main/q/qt6-base/$archive_name"
    echo "$sha256  $archive.part" | sha256sum -c --quiet -
    mv "$archive.part" "$archive"
fi

source_dir="$work/qtbase"
if [ ! -f "$source_dir/CMakeLists.txt" ]; then
    rm -rf "$source_dir" "$source_dir.part"
    mkdir -p "$source_dir.part"
    tar -xJf "$archive" -C "$source_dir.part" --strip-components=1
    mv "$source_dir.part" "$source_dir"
fi

# Qt's DLLs link the MinGW runtime dynamically, so this toolchain, unlike the
# project's, has no -static.
toolchain="$work/mingw-w64-qt.cmake"
cat >"$toolchain" <<'EOF'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF

build_dir="$work/build"
started=$(date +%s)
echo "Configuring Qt $qt_version for Windows in $build_dir"
# Tablet events stay off because Debian's source leaves out the wintab
# headers; without OpenGL the Windows platform plugin needs dynamic GL and
# Direct2D off too, and without Direct2D Qt 6.4 leaves DirectWrite's font
# database out of Qt Gui while the plugin still calls it (GDI's serves).
cmake -S "$source_dir" -B "$build_dir" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$qt_windows_prefix" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DBUILD_WITH_PCH=OFF \
    -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF \
    -DFEATURE_tabletevent=OFF \
    -DFEATURE_dbus=OFF -DFEATURE_sql=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_openssl=OFF \
    -DINPUT_openssl=no

echo "Building Qt (about an hour on 2 cores the first time; ninja shows [done/total])"
cmake --build "$build_dir" --parallel "${JOBS:-$(nproc)}"
cmake --install "$build_dir" --strip
touch "$qt_windows_prefix/.complete"
echo "Qt $qt_version for Windows built in $(($(date +%s) - started)) s, installed in $qt_windows_prefix"
rm -rf "$work"
