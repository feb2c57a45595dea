#!/bin/sh
# Installs the Debian packages that Tandem needs for one purpose, and only
# those that are missing. Uses sudo when not run as root.
#   install-deps.sh [run|test|bench|fuzz]   (default: test)
#     run    building and running the programs
#     test   everything `make test` runs: the tests, the sanitizer build, the
#            fuzz targets, the .deb and the Windows build under Wine
#     bench  the benchmarks
#     fuzz   the fuzz targets
set -eu

run="
g++
make
cmake
qt6-base-dev
"
fuzz="
clang
libclang-rt-14-dev
"
bench="
libbenchmark-dev
"
test="
libgtest-dev
libgmock-dev
googletest
clang-format
fonts-dejavu-core
appstream
dpkg-dev
file
curl
ca-certificates
g++-mingw-w64-x86-64-posix
wine
wine64
xvfb
xdotool
x11-utils
scrot
unzip
$fuzz
"

case "${1:-test}" in
run) packages=$run ;;
test) packages="$run $test" ;;
bench) packages="$run $bench" ;;
fuzz) packages="$run $fuzz" ;;
*)
    echo "usage: $0 [run|test|bench|fuzz]" >&2
    exit 64
    ;;
esac

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done

if [ -z "$missing" ]; then
    exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
    run_as_root=""
else
    run_as_root="sudo"
fi

echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
$run_as_root apt-get update -q
# shellcheck disable=SC2086 # the package list is meant to split
$run_as_root apt-get install -y -q --no-install-recommends $missing
