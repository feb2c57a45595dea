#!/bin/sh
# Checks that the Windows zip holds exactly what its programs need to run on a
# Windows machine with nothing else installed:
#   check-windows-zip.sh ZIP
# Every DLL that a program, a DLL or a plugin in the zip imports is in the zip
# or is part of Windows (10 or later, which Qt 6 needs); every DLL in the zip
# is imported by something in it, except the plugins Qt loads by name; and
# nothing carries debugging symbols.
set -eu

zip=$1
objdump=x86_64-w64-mingw32-objdump

# DLLs that every Windows 10 has.
system_dlls="
advapi32.dll authz.dll bcrypt.dll comctl32.dll comdlg32.dll crypt32.dll d3d11.dll
d3d9.dll dnsapi.dll dwmapi.dll dwrite.dll dxgi.dll gdi32.dll imm32.dll
iphlpapi.dll kernel32.dll mpr.dll msvcrt.dll netapi32.dll ntdll.dll ole32.dll
oleaut32.dll secur32.dll setupapi.dll shcore.dll shell32.dll shlwapi.dll
user32.dll userenv.dll uxtheme.dll version.dll winmm.dll ws2_32.dll
winhttp.dll wtsapi32.dll
"
# The plugins the window needs, which Qt finds beside the program.
plugins="platforms/qwindows.dll styles/qwindowsvistastyle.dll"
programs="tandem.exe tandem-append.exe tandem-check.exe"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work"
# The zip holds one folder, named after the zip.
top="$work/$(basename "$zip" .zip)"
if [ ! -d "$top" ]; then
    echo "$zip: no folder $(basename "$zip" .zip) at its top"
    exit 1
fi

lower() { tr '[:upper:]' '[:lower:]'; }
failures=0
fail() {
    echo "$zip: $*"
    failures=$((failures + 1))
}

for file in $programs $plugins; do
    [ -f "$top/$file" ] || fail "$file is missing"
done

# Every import, as "importer imported" with the imported name in lower case.
(cd "$top" && find . -type f \( -name '*.exe' -o -name '*.dll' \) | sed 's|^\./||' | sort) > "$work/binaries"
: > "$work/imports"
while read -r binary; do
    "$objdump" -p "$top/$binary" | sed -n 's/^[[:space:]]*DLL Name: //p' | lower |
        while read -r imported; do echo "$binary $imported"; done >> "$work/imports"
done < "$work/binaries"
# The DLLs the zip holds beside the programs, in lower case.
(cd "$top" && find . -maxdepth 1 -type f -name '*.dll' | sed 's|^\./||' | lower | sort) > "$work/beside"

while read -r importer imported; do
    grep -qx "$imported" "$work/beside" && continue
    case " $(echo $system_dlls) " in *" $imported "*) continue ;; esac
    case "$imported" in api-ms-win-*) continue ;; esac
    fail "$imported, which $importer imports, is neither in the zip nor part of Windows"
done < "$work/imports"

while read -r file; do
    case "$file" in
    *.exe)
        case " $programs " in *" $file "*) ;; *) fail "$file is not one of the programs" ;; esac ;;
    */*)
        case " $plugins " in *" $file "*) ;; *) fail "$file is not a plugin the window needs" ;; esac ;;
    *)
        imported=$(echo "$file" | lower)
        cut -d' ' -f2 "$work/imports" | grep -qx "$imported" || fail "$file is in the zip, but nothing imports it" ;;
    esac
done < "$work/binaries"
(cd "$top" && find . -type f ! -name '*.exe' ! -name '*.dll' | sed 's|^\./||') > "$work/others"
while read -r file; do
    fail "$file is neither a program nor a DLL"
done < "$work/others"

# Symbols only make the download bigger (libstdc++ alone is 23 MB with them).
while read -r binary; do
    if "$objdump" -h "$top/$binary" | grep -q ' \.debug_'; then
        fail "$binary is not stripped"
    fi
done < "$work/binaries"

echo "checked $(wc -l < "$work/binaries") programs and DLLs in $zip: $failures problems"
[ "$failures" -eq 0 ]
