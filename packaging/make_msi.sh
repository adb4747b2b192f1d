#!/usr/bin/env bash
# Builds one Windows Installer package of globulon.scr from globulon.wxs beside this script.
# Usage: make_msi.sh <x64|x86> <version> <path/to/globulon.scr> <out.msi>
set -euo pipefail
arch=$1 version=$2 scr=$3 out=$4
packaging=$(cd "$(dirname "$0")" && pwd)

# wixl 0.101 rejects absolute source paths; it finds relative ones from the working folder.
wixl -a "$arch" -D Arch="$arch" -D Version="$version" \
    -D Scr="$(realpath --relative-to=. "$scr")" -o "$out" "$packaging/globulon.wxs"

# wixl's MajorUpgrade upgrades only from older versions, so a rebuilt package of the same
# version would sit beside the installed one as a second entry. Make the upgrade range include
# this version (msidbUpgradeAttributesVersionMaxInclusive, 512), as WiX's
# AllowSameVersionUpgrades does; the downgrade check still refuses newer versions.
table=$(mktemp -d)
trap 'rm -rf "$table"' EXIT
msiinfo export "$out" Upgrade |
    awk 'BEGIN { FS = OFS = "\t" } $7 ~ /^WIX_UPGRADE_DETECTED/ { $5 = $5 + 512 } 1' \
        >"$table/Upgrade.idt"
msibuild "$out" -i "$table/Upgrade.idt"
