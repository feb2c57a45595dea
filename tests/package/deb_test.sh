#!/bin/sh
# The .deb that `make package` builds, unpacked into a root of its own (never
# onto this machine): the installed tandem-append runs, the menu entry and
# the icons are there, the AppStream description validates, and the
# dependencies were computed from the programs.
#   deb_test.sh BUILD_DIR VERSION
set -eu
build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
deb=$(ls "$work"/out/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
case "$depends" in
*libqt6widgets6*libstdc++6*) ;;
*) echo "Depends misses the libraries the programs link: $depends"; exit 1 ;;
esac

dpkg -x "$deb" "$work/root"
"$work/root/usr/bin/tandem-append" --version | grep -F "$version"

id=io.github.tandem_sessions.Tandem
share=$work/root/usr/share
grep -q "^Icon=$id$" "$share/applications/$id.desktop"
for size in 16 32 48 64 128 256; do
    test -s "$share/icons/hicolor/${size}x${size}/apps/$id.png"
done
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
