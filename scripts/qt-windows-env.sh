# Sourced by the Windows build scripts: the host Qt's version and the cache
# folder of the Qt built for Windows from its source.
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null | sed 's/[+~-].*//')
if [ -z "$qt_version" ]; then
    echo "qt6-base-dev is not installed (make deps installs it)" >&2
    exit 1
fi
qt_windows_prefix=${TANDEM_QT_WINDOWS:-${XDG_CACHE_HOME:-$HOME/.cache}/tandem/qt-$qt_version-mingw64}
