#!/usr/bin/env bash
# Builds one Windows Installer package of globulon.scr from globulon.wxs beside this script. The
# same program, version and SOURCE_DATE_EPOCH give the same bytes in any folder on any day.
# Usage: SOURCE_DATE_EPOCH=<seconds> make_msi.sh <x64|x86> <version> <globulon.scr> <out.msi>
set -euo pipefail
arch=$1 version=$2 scr=$3 out=$4
packaging=$(cd "$(dirname "$0")" && pwd)
epoch=${SOURCE_DATE_EPOCH:?make_msi.sh needs SOURCE_DATE_EPOCH: the time to date the package with}

# Name-based codes (UUID version 5) in a namespace of this project's own: the same names give
# the same codes on every machine.
name_uuid() {
    python3 -c 'import sys, uuid
namespace = uuid.UUID("2D10FCD0-8B8F-4579-8E06-8CC5709211BB")
print("{%s}" % str(uuid.uuid5(namespace, sys.argv[1])).upper())' "$1"
}

# The file version and language Windows reads from the program's version record; the File
# table repeats them so that the installer compares versions with a copy already in place.
record=$(x86_64-w64-mingw32-windres -J coff -i "$scr" -O rc 2>/dev/null) || record=""
file_version=$(sed -n 's/^ *FILEVERSION //p' <<<"$record" | tr -d ' ' | tr , .)
file_language=$(sed -n 's/.*"Translation", *\(0x[0-9a-fA-F]*\),.*/\1/p' <<<"$record")
if [ -z "$file_version" ] || [ -z "$file_language" ]; then
    echo "make_msi.sh: $scr carries no version record" >&2
    exit 1
fi

# The cabinet keeps the program's modification time: give it the release's.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$scr" "$work/globulon.scr"
touch -d "@$epoch" "$work/globulon.scr"

# wixl and msibuild write the clock's time into the summary (Created, Last saved): run them on a
# stopped clock at the release's time.
at_release_time() { TZ=UTC faketime -f "$(date -u -d "@$epoch" '+%Y-%m-%d %H:%M:%S')" "$@"; }

# wixl 0.101 rejects absolute source paths; it finds relative ones from the working folder.
at_release_time wixl -a "$arch" -D Arch="$arch" -D Version="$version" \
    -D ProductCode="$(name_uuid "ProductCode $arch $version")" \
    -D Scr="$(realpath --relative-to=. "$work/globulon.scr")" -o "$out" "$packaging/globulon.wxs"

# A versioned file takes no hash (the MsiFileHash table is for unversioned files only).
at_release_time msibuild "$out" \
    -q "UPDATE File SET Version = '$file_version', Language = '$((file_language))'
        WHERE File = 'globulon.scr'" \
    -q "DELETE FROM MsiFileHash"

# The package code names this exact package: wixl draws a random one. Take one derived from the
# package's bytes under a placeholder code, so that a package that differs in anything gets
# another code and the same package always the same one.
# msibuild -s writes all of these summary fields at once; its name is the Subject.
summary=$(msiinfo suminfo "$out")
field() { sed -n "s/^$1: //p" <<<"$summary"; }
set_package_code() {
    at_release_time msibuild "$out" -s "$(field Subject)" "$(field Author)" "$(field Template)" "$1"
}
set_package_code "$(name_uuid placeholder)"
set_package_code "$(name_uuid "PackageCode $(sha256sum <"$out")")"
