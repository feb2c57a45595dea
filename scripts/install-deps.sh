#!/bin/sh
# Installs the Debian packages that building, testing and benchmarking Tandem
# need, and only those that are missing. Uses sudo when not run as root.
set -eu

packages="
g++
make
cmake
qt6-base-dev
libpugixml-dev
curl
ca-certificates
libgtest-dev
libgmock-dev
libbenchmark-dev
clang-format
clang
libclang-rt-14-dev
fonts-dejavu-core
googletest
g++-mingw-w64-x86-64-posix
wine
wine64
xvfb
xdotool
x11-utils
scrot
unzip
"

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
