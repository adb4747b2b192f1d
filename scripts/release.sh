#!/usr/bin/env bash
# Builds both Windows programs (Release) and writes the downloads to dist/: an MSI package for
# x64 and one for x86, a zip with both programs, the README and the licence, the Debian package
# of the X11 program, and SHA256SUMS. Two runs on the same commit give the same bytes, in any
# folder, on any day.
# With GLOBULON_SIGN_CERT and GLOBULON_SIGN_KEY (PEM files) it signs the programs before they are
# packaged and then the packages (Authenticode, SHA-256); GLOBULON_SIGN_TIMESTAMP_URL names an
# RFC 3161 time-stamp server to countersign with.
set -euo pipefail
source "$(dirname "$0")/common.sh"

# The certificate and key as given from where the release was started.
signing=false
if [ -n "${GLOBULON_SIGN_CERT:-}${GLOBULON_SIGN_KEY:-}" ]; then
    if [ ! -r "${GLOBULON_SIGN_CERT:-}" ] || [ ! -r "${GLOBULON_SIGN_KEY:-}" ]; then
        echo "release.sh: GLOBULON_SIGN_CERT and GLOBULON_SIGN_KEY must both name PEM files" >&2
        exit 1
    fi
    GLOBULON_SIGN_CERT=$(realpath "$GLOBULON_SIGN_CERT")
    GLOBULON_SIGN_KEY=$(realpath "$GLOBULON_SIGN_KEY")
    signing=true
fi
cd "$GLOBULON_ROOT"

# Everything the release dates (compilers' __DATE__, packages, archive entries) takes the last
# commit's time, unless a time is given.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct) || {
        echo "release.sh: no commit to date the release with; set SOURCE_DATE_EPOCH" >&2
        exit 1
    }
fi
export SOURCE_DATE_EPOCH
export TZ=UTC

install_packages

# Signs a file in place; the certificate file may carry the chain up to the root after it.
sign() {
    local timestamp=()
    [ -n "${GLOBULON_SIGN_TIMESTAMP_URL:-}" ] && timestamp=(-ts "$GLOBULON_SIGN_TIMESTAMP_URL")
    osslsigncode sign -certs "$GLOBULON_SIGN_CERT" -key "$GLOBULON_SIGN_KEY" -h sha256 \
        -n "Globulon Screen Saver" "${timestamp[@]}" -in "$1" -out "$1.signed" >/dev/null
    mv "$1.signed" "$1"
}

for preset in win64 win32; do
    log "building the $preset program"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target globulon
done
# The version is written once, in CMakeLists.txt's project(); the configured build knows it.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/win64/CMakeCache.txt)

log "writing dist/ for version $version"
$signing || echo "unsigned build: set GLOBULON_SIGN_CERT and GLOBULON_SIGN_KEY to sign it"
rm -rf dist
mkdir -p dist

# The files as they ship, with fixed modes and times so that the archive does not depend on the
# umask or the clock.
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
mkdir "$staging/x64" "$staging/x86"
cp build/win64/globulon.scr "$staging/x64/"
cp build/win32/globulon.scr "$staging/x86/"
cp README.md LICENSE "$staging/"
if $signing; then
    sign "$staging/x64/globulon.scr"
    sign "$staging/x86/globulon.scr"
fi
chmod 644 "$staging"/*/globulon.scr "$staging/README.md" "$staging/LICENSE"
find "$staging" -exec touch -d "@$SOURCE_DATE_EPOCH" {} +

packaging/make_msi.sh x64 "$version" "$staging/x64/globulon.scr" "dist/globulon-$version-x64.msi"
packaging/make_msi.sh x86 "$version" "$staging/x86/globulon.scr" "dist/globulon-$version-x86.msi"
if $signing; then
    sign "dist/globulon-$version-x64.msi"
    sign "dist/globulon-$version-x86.msi"
fi

packaging/make_deb.sh "dist/globulon_${version}_amd64.deb" >/dev/null

zip_file="$GLOBULON_ROOT/dist/globulon-$version-windows.zip"
(cd "$staging" && find . -type f -printf '%P\n' | LC_ALL=C sort | zip -q -X -D "$zip_file" -@)

# Whatever dist/ holds by now, packages of other steps included.
(cd dist && find . -maxdepth 1 -type f ! -name SHA256SUMS -printf '%P\n' | LC_ALL=C sort |
    xargs -d '\n' sha256sum -- >SHA256SUMS)
ls -l dist
