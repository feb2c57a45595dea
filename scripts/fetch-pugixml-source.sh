#!/bin/sh
# Unpacks pugixml's sources for the Windows build into DEST/pugixml-1.13:
# Debian ships pugixml for Linux only, so the cross build compiles it from
# the very source Debian's package is built from, checked by its hash.
set -eu

dest=$1
version=1.13
sha256=5c5ad5d7caeb791420408042a7d88c2c6180781bf218feca259fd9d840a888e1
archive="$dest/pugixml_$version.orig.tar.gz"

if [ -f "$dest/pugixml-$version/src/pugixml.cpp" ]; then
    exit 0
fi
mkdir -p "$dest"
curl -sSfL --retry 3 -o "$archive.part" "http://deb.debian.org/debian/pool/main/p/pugixml/pugixml_$version.orig.tar.gz"
echo "$sha256  $archive.part" | sha256sum -c --quiet -
mv "$archive.part" "$archive"
tar -xzf "$archive" -C "$dest" "pugixml-$version/src"
