#!/bin/sh
# Runs the Linux and the Windows build of tandem-append on the same session
# pairs and checks that they write the same bytes and exit alike.
#   compare-windows-build.sh LINUX_TOOL WINDOWS_TOOL WINE_PREFIX
# The pairs are the golden pairs of the engine's tests and variants of them
# made here: other line ends (CR LF, CR alone), TAB indentation, and the
# sessions of one pair appended to those of the pair before it; each golden
# pair also placed after File 1, at a time, and with tracks left out. The
# check after the merge names files by their own paths, which differ between
# the systems, so it is left to the tests of each build.
set -eu

linux_tool=$1
windows_tool=$2
prefix=$3
here=$(cd "$(dirname "$0")" && pwd)
data="$here/../tests/engine/data"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/in" "$work/linux" "$work/windows"

# Windows sees the Linux file system as drive Z:.
windows_path() { printf 'Z:%s' "$1" | tr '/' '\\'; }

for folder in "$data"/*/; do
    case_name=$(basename "$folder")
    for session in One Two; do
        base="$work/in/$case_name-$session"
        cp "$folder/$session.sesx" "$base-lf.sesx"
        sed 's/$/\r/' "$folder/$session.sesx" > "$base-crlf.sesx"
        tr '\n' '\r' < "$folder/$session.sesx" > "$base-cr.sesx"
        sed 's/^  /\t/; s/^\t  /\t\t/' "$folder/$session.sesx" > "$base-tabs.sesx"
    done
done

pairs=0
failures=0
compare() {
    first=$1
    second=$2
    shift 2
    pairs=$((pairs + 1))
    linux_out="$work/linux/$pairs"
    windows_out="$work/windows/$pairs"
    mkdir -p "$linux_out" "$windows_out"
    linux_status=0
    # Some pairs run at different sample rates; they are merged all the same,
    # since the merge is what is compared.
    "$linux_tool" --force --no-verify "$@" --target "$linux_out" "$first" "$second" > /dev/null 2> "$linux_out.err" ||
        linux_status=$?
    # Wine on a busy machine now and then fails to start a program or adds
    # a line of its own; the merge gives the same result every time, so a
    # run that differs is tried once more before it counts.
    for attempt in 1 2; do
        rm -rf "$windows_out" && mkdir -p "$windows_out"
        windows_status=0
        "$here/wine-run.sh" "$prefix" "$windows_tool" --force --no-verify "$@" --target "$(windows_path "$windows_out")" \
            "$(windows_path "$first")" "$(windows_path "$second")" > /dev/null 2> "$windows_out.err" || windows_status=$?
        # Messages name the files concerned, each system in its own way, and
        # each build writes into a folder of its own.
        difference=""
        if [ "$linux_status" -ne "$windows_status" ]; then
            difference="exit status ($linux_status, $windows_status)"
        elif ! tr -d '\r' < "$windows_out.err" | sed "s|Z:\\\\|/|g; s|\\\\|/|g; s|^$windows_out/|$linux_out/|" |
            cmp -s - "$linux_out.err"; then
            difference="messages"
        fi
        [ -z "$difference" ] && break
        echo "run $attempt: different $difference: $(head -c 300 "$windows_out.err")"
    done
    if [ -n "$difference" ]; then
        echo "DIFFERENT $difference: $first + $second"
        failures=$((failures + 1))
        return
    fi
    for output in "$linux_out"/*; do
        [ -e "$output" ] || continue
        if ! cmp -s "$output" "$windows_out/$(basename "$output")"; then
            echo "DIFFERENT bytes: $first + $second"
            failures=$((failures + 1))
        fi
    done
}

# Each pair as it is, its File 1 with the File 2 of the pair before it (every
# session meets another), and, in the other line ends, with its File 2 in LF:
# linear in the number of pairs, which all pairs against all would not be.
for variant in lf crlf cr tabs; do
    before=""
    for first in "$work"/in/*-One-"$variant".sesx; do
        second=$(printf '%s' "$first" | sed 's/-One-/-Two-/')
        compare "$first" "$second"
        [ -z "$before" ] || compare "$first" "$before"
        before=$second
        [ "$variant" = lf ] || compare "$first" "$(printf '%s' "$second" | sed "s/-$variant\.sesx\$/-lf.sesx/")"
    done
done
for first in "$work"/in/*-One-lf.sesx; do
    second=$(printf '%s' "$first" | sed 's/-One-/-Two-/')
    compare "$first" "$second" --after 2
    compare "$first" "$second" --at 0:01.5
    compare "$first" "$second" --tracks 1
done
# A session appended to itself, and failures: both builds report them alike.
compare "$work/in/podcast-One-lf.sesx" "$work/in/podcast-One-lf.sesx"
compare "$work/in/podcast-One-lf.sesx" "$work/in/missing.sesx"

echo "compared $pairs pairs between the Linux and the Windows build: $failures different"
[ "$failures" -eq 0 ]
