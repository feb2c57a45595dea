#!/bin/sh
# Unpacks the Windows zip onto Wine's drive C: and runs its programs under Wine
# on a virtual X screen, as a Windows user would:
#   test-windows-zip.sh ZIP LINUX_TOOL BUILD_FOLDER
# - tandem.exe shows its window; a screenshot of it is saved as
#   BUILD_FOLDER/tandem-windows.png;
# - a second tandem.exe ends at once and brings the first to the front;
# - Esc closes the window and its settings are in the registry with their
#   defaults; a value changed there comes back at the next start;
# - the zip's tandem-append.exe merges a golden pair to the same bytes as
#   LINUX_TOOL.
# Wine's prefix is BUILD_FOLDER/wineprefix; nothing from the build is on
# Wine's path, so the programs find only what the zip holds.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
zip=$(realpath "$1")
linux_tool=$(realpath "$2")
build=$(realpath "$3")
screenshot="$build/tandem-windows.png"

# The caption shows the version as major.minor.two-digit revision.
version=$(basename "$zip" | sed -n 's/^Tandem-\([0-9.]*\)-Windows\.zip$/\1/p')
title=$(echo "$version" | awk -F. '{ printf "Tandem - Version %d.%d.%02d", $1, $2, $3 % 100 }')
key='HKCU\Software\Tandem\Tandem'

work=$(mktemp -d)
xvfb=""
started=""
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEPATH WAYLAND_DISPLAY
cleanup() {
    # Whatever this run started in its prefix ends with it.
    wineserver -k 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    rm -rf "$work" "$program"
}
trap cleanup EXIT

failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}
windows_path() { printf 'Z:%s' "$1" | tr '/' '\\'; }

drive_c="$WINEPREFIX/drive_c"
program_name=$(basename "$zip" .zip)
program="$drive_c/$program_name"
program_folder="C:\\$program_name"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 50); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
export DISPLAY=":$(cat "$work/display")"

# The first start of Wine in the prefix makes drive C:.
wine reg delete "$key" /f >/dev/null 2>&1 || true
rm -rf "$program"
unzip -q "$zip" -d "$drive_c"

# Starts tandem.exe from another folder than its own, as a shortcut may.
start_program() {
    (cd "$work" && exec wine "$program/tandem.exe") >/dev/null 2>&1 &
    started=$!
}
# Prints the X id of the window that has the program's title once its
# start-up is over: after showing the window it fills the panes under a small
# window "Reading data..." (titled with the program's name), which then goes.
program_window() {
    if ! timeout 60 xdotool search --sync --onlyvisible --name "^$title\$" 2>/dev/null | head -1; then
        echo "FAILED: no window titled \"$title\" within 60 s" >&2
        exit 1
    fi
    looks=0
    seen=no
    while [ "$looks" -lt 300 ]; do
        if xdotool search --onlyvisible --name '^Tandem$' >/dev/null 2>&1; then
            seen=yes
        elif [ "$seen" = yes ] || [ "$looks" -ge 10 ]; then
            return 0
        fi
        looks=$((looks + 1))
        sleep 0.1
    done
    echo "FAILED: \"Reading data...\" still shown after 30 s" >&2
    exit 1
}
# Presses Esc in the started program's window $1 once a second until the
# program ends, for at most 20 s: without a window manager, a key can arrive
# before Wine has given the window the focus. False when the program did not
# end, or ended with another exit code than 0.
closed_by_escape() {
    (
        for press in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20; do
            xdotool windowfocus --sync "$1" key Escape >/dev/null 2>&1
            sleep 1
        done
        kill "$started" 2>/dev/null
    ) &
    presser=$!
    status=0
    wait "$started" || status=$?
    kill "$presser" 2>/dev/null || true
    [ "$status" -eq 0 ]
}

# The value of one registry value as `wine reg query` shows it. Wine under
# load now and then fails to start reg.exe, so a query that fails is made
# again, up to three times.
registry_value() {
    for attempt in 1 2 3; do
        if answer=$(wine reg query "$key\\$1" /v "$2" 2>/dev/null); then
            printf '%s\n' "$answer" | tr -d '\r' | sed -n "s/^ *$2 *REG_SZ *//p"
            return
        fi
    done
}
expect_value() {
    value=$(registry_value "$1" "$2")
    [ "$value" = "$3" ] || fail "$1\\$2 is \"$value\", not \"$3\""
}
expect_near() {
    value=$(registry_value "$1" "$2")
    awk -v v="$value" -v e="$3" 'BEGIN { d = v - e; exit !(v != "" && d <= 15 && d >= -15) }' ||
        fail "$1\\$2 is \"$value\", not about $3"
}

start_program
window=$(program_window)
eval "$(xdotool getwindowgeometry --shell "$window")"
scrot --overwrite --autoselect "$X,$Y,$WIDTH,$HEIGHT" "$screenshot"
echo "screenshot of the window: $screenshot (${WIDTH}x$HEIGHT)"

# A second start, while another program is in front, brings the first
# window back to the front and ends by itself. Without a window manager the
# front is the top of the X stacking order.
front_window() {
    xwininfo -root -children | grep '"' | grep -v ' 1x1+' | head -1 | awk '{ print $1 }'
}
wine notepad >/dev/null 2>&1 &
notepad_process=$!
notepad=$(timeout 30 xdotool search --sync --onlyvisible --name "Notepad" | head -1)
[ "$(front_window)" = "$(printf '0x%x' "$notepad")" ] || fail "Notepad did not come in front of the window"
if ! (cd "$work" && timeout 15 wine "$program/tandem.exe") >/dev/null 2>&1; then
    fail "a second tandem.exe did not end at once with exit code 0"
fi
windows=$(xdotool search --onlyvisible --name "^$title\$" | wc -l)
[ "$windows" -eq 1 ] || fail "$windows windows titled \"$title\" after the second start"
[ "$(front_window)" = "$(printf '0x%x' "$window")" ] || fail "the first window did not come to the front"
kill "$notepad_process" 2>/dev/null || true

closed_by_escape "$window" || fail "the window did not close on Esc"
expect_value WINDOW Top 0
expect_value WINDOW Left 0
expect_value PATHS LastDir1 "$program_folder"
expect_value PATHS LastDir2 "$program_folder"
expect_value PATHS TargDir "$program_folder"
expect_value SETTINGS Target 1
for name in AutoRefresh1 AutoRefresh2 ScanSubfolders1 ScanSubfolders2 Language NonEnglish; do
    expect_value SETTINGS "$name" 0
done
for pane in 1 2; do
    expect_near SETTINGS "ColWidthFolder$pane" 3350
    expect_near SETTINGS "ColWidthFile$pane" 2880
    expect_near SETTINGS "ColWidthCreated$pane" 1800
    expect_near SETTINGS "ColWidthBytes$pane" 1500
done

# Values changed in the registry are what the next start shows, and so what
# it saves again.
wine reg add "$key\\SETTINGS" /v Target /t REG_SZ /d 3 /f >/dev/null
wine reg add "$key\\SETTINGS" /v ColWidthFile1 /t REG_SZ /d 4000 /f >/dev/null
wine reg add "$key\\PATHS" /v LastDir2 /t REG_SZ /d 'C:\windows' /f >/dev/null
start_program
window=$(program_window)
closed_by_escape "$window" || fail "the window did not close on Esc at the second start"
expect_value SETTINGS Target 3
expect_near SETTINGS ColWidthFile1 4000
expect_value PATHS LastDir2 'C:\windows'

# The zip's tandem-append.exe against the Linux build on a golden pair (of
# two sample rates, which the merge is not about).
pair="$here/../tests/engine/data/podcast"
mkdir -p "$work/linux" "$work/windows"
"$linux_tool" --force --target "$work/linux" "$pair/One.sesx" "$pair/Two.sesx" >/dev/null
wine "$program/tandem-append.exe" --force --target "$(windows_path "$work/windows")" \
    "$(windows_path "$pair/One.sesx")" "$(windows_path "$pair/Two.sesx")" >/dev/null 2>&1 ||
    fail "the zip's tandem-append.exe failed on the golden pair"
for output in "$work/linux"/*; do
    cmp -s "$output" "$work/windows/$(basename "$output")" ||
        fail "the zip's tandem-append.exe wrote other bytes than the Linux build: $(basename "$output")"
done

echo "Windows zip under Wine: $failures failed"
[ "$failures" -eq 0 ]
