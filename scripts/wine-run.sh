#!/bin/sh
# Runs a Windows program under Wine, headless, in a throw-away prefix:
#   wine-run.sh [--path FOLDER]... PREFIX PROGRAM [ARGUMENTS...]
# Each --path folder (a Linux path) goes on Wine's search path for DLLs. The
# first run creates the prefix.
set -eu
wine_path=""
while [ "$1" = "--path" ]; do
    # Wine sees the Linux file system as drive Z:.
    wine_path="$wine_path${wine_path:+;}Z:$(printf '%s' "$2" | tr '/' '\\')"
    shift 2
done
WINEPREFIX=$1
shift
export WINEPREFIX
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ -n "$wine_path" ]; then
    export WINEPATH="$wine_path"
fi
unset DISPLAY WAYLAND_DISPLAY
if command -v wine64 >/dev/null 2>&1; then
    exec wine64 "$@"
elif [ -x /usr/lib/wine/wine64 ]; then
    exec /usr/lib/wine/wine64 "$@"
else
    exec wine "$@"
fi
