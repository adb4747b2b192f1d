#!/usr/bin/env bash
# Builds both Windows programs (Release) and writes the downloads to dist/: an MSI package for
# x64 and one for x86, a zip with both programs, the README and the licence, the Debian package
# of the X11 program, and SHA256SUMS.
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$GLOBULON_ROOT"

install_packages

for preset in win64 win32; do
    log "building the $preset program"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target globulon
done
# The version is written once, in CMakeLists.txt's project(); the configured build knows it.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/win64/CMakeCache.txt)

log "writing dist/ for version $version"
rm -rf dist
mkdir -p dist
packaging/make_msi.sh x64 "$version" build/win64/globulon.scr "dist/globulon-$version-x64.msi"
packaging/make_msi.sh x86 "$version" build/win32/globulon.scr "dist/globulon-$version-x86.msi"

staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
mkdir "$staging/x64" "$staging/x86"
cp build/win64/globulon.scr "$staging/x64/"
cp build/win32/globulon.scr "$staging/x86/"
cp README.md LICENSE "$staging/"
(cd "$staging" && zip -q -X -D -r - x64 x86 README.md LICENSE) >"dist/globulon-$version-windows.zip"

packaging/make_deb.sh "dist/globulon_${version}_amd64.deb" >/dev/null

(cd dist && sha256sum -- *.msi *.zip *.deb >SHA256SUMS)
ls -l dist
