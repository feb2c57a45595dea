#!/bin/sh
# Takes the README's picture of the window: the real program, started
# offscreen on two folders of made-up sessions, with one ticked in each pane.
#   scripts/screenshot.sh [PROGRAM [PNG]]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build/app/tandem}
picture=${2:-$root/docs/window.png}

# A fixed folder, so that the picture shows the same paths on every machine.
sessions="/tmp/Tandem sessions"
if [ -e "$sessions" ]; then
    echo "$sessions is in the way: remove it first" >&2
    exit 1
fi
config=$(mktemp -d)
trap 'rm -rf "$sessions" "$config"' EXIT

session() {
    mkdir -p "$(dirname "$1")"
    printf '<?xml version="1.0" encoding="UTF-8"?>\n<sesx version="1.9">\n<session sampleRate="48000">\n<tracks>\n<masterTrack id="10000" index="1">\n</masterTrack>\n</tracks>\n</session>\n<files/>\n</sesx>\n' >"$1"
    # Sizes of real sessions, more or less.
    head -c "$2" /dev/zero | tr '\0' ' ' >>"$1"
}
session "$sessions/Band/Rehearsal 12-03.sesx" 48211
session "$sessions/Band/Live at the Crown.sesx" 131072
session "$sessions/Band/Demo/Demo mix.sesx" 20480
session "$sessions/Overdubs/Vocals take 3.sesx" 30150
session "$sessions/Overdubs/Brass.sesx" 15873
session "$sessions/Overdubs/Strings.sesx" 64000

mkdir -p "$config/Tandem"
cat >"$config/Tandem/Tandem.ini" <<INI
[PATHS]
LastDir1=$sessions/Band
LastDir2=$sessions/Overdubs
TargDir=$sessions
[SETTINGS]
AutoRefresh1=1
AutoRefresh2=1
ScanSubfolders1=1
ColWidthFolder1=3000
ColWidthFolder2=3000
ColWidthFile1=3200
ColWidthFile2=3200
INI

# A full HD screen, where the window has its designed size.
cat >"$config/screen.json" <<JSON
{ "screens": [ { "name": "screen", "x": 0, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96 } ] }
JSON

mkdir -p "$(dirname "$picture")"
XDG_CONFIG_HOME=$config QT_QPA_PLATFORM="offscreen:configfile=$config/screen.json" "$program" --screenshot "$picture" \
    "$sessions/Band/Live at the Crown.sesx" "$sessions/Overdubs/Vocals take 3.sesx"
echo "$picture"
