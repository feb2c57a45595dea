#!/bin/sh
# Runs a Windows program under Wine, headless, in a throw-away prefix:
#   wine-run.sh PREFIX PROGRAM [ARGUMENTS...]
# The first run creates the prefix.
set -eu
WINEPREFIX=$1
shift
export WINEPREFIX
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
if command -v wine64 >/dev/null 2>&1; then
    exec wine64 "$@"
elif [ -x /usr/lib/wine/wine64 ]; then
    exec /usr/lib/wine/wine64 "$@"
else
    exec wine "$@"
fi
