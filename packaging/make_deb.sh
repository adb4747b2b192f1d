#!/usr/bin/env bash
# Builds the Debian package of the X11 and Wayland programs: a Release build with Debian's hardening flags,
# stripped as Debian strips, staged by cmake --install and packed by dpkg-deb. The same sources
# and SOURCE_DATE_EPOCH (else the last commit's date) give the same package, byte for byte.
# Usage: make_deb.sh <out.deb>   (the version is CMakeLists.txt's project() version)
set -euo pipefail
out=$(realpath -m "$1")
packaging=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$packaging")
build="$root/build/deb"
cd "$root"

export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" --target globulon_x11 globulon_wayland
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
# Staged where dpkg-shlibdeps looks for a package's files.
tree="$stage/debian/globulon"
DESTDIR="$tree" cmake --install "$build" >/dev/null
programs=("$tree/usr/libexec/xscreensaver/globulon" "$tree/usr/bin/globulon-wayland")
# As dh_strip does for a program: no symbols, no compiler notes.
strip --strip-unneeded --remove-section=.comment --remove-section=.note "${programs[@]}"

doc="$tree/usr/share/doc/globulon"
mkdir -p "$doc"
install -m 644 "$packaging/debian/copyright" "$doc/copyright"
maintainer=$(sed -n 's/^Maintainer: //p' "$packaging/debian/control.in")
cat >"$stage/changelog" <<END
globulon ($version) unstable; urgency=medium

  * Release $version.

 -- $maintainer  $(date -R -u -d "@$SOURCE_DATE_EPOCH")
END
gzip -9n <"$stage/changelog" >"$doc/changelog.gz"
gzip -9n "$tree/usr/share/man/man6/globulon.6x" "$tree/usr/share/man/man6/globulon-wayland.6"

# dpkg-shlibdeps reads the package list from a debian/control and finds the package's root by
# its DEBIAN folder.
mkdir -p "$tree/DEBIAN"
printf 'Source: globulon\n\nPackage: globulon\nArchitecture: amd64\n' >"$stage/debian/control"
depends=$(cd "$stage" && dpkg-shlibdeps -O "${programs[@]#"$stage/"}" | sed -n 's/^shlibs:Depends=//p')
size=$(du -sk --apparent-size "$tree/usr" | cut -f1)

sed -e "s/@VERSION@/$version/" -e "s/@SIZE@/$size/" -e "s/@DEPENDS@/$depends/" \
    "$packaging/debian/control.in" >"$tree/DEBIAN/control"
(cd "$tree" && find usr -type f | LC_ALL=C sort | xargs md5sum >DEBIAN/md5sums)

# Fixed permissions and times: what is packed depends on the sources only.
find "$tree" -type d -exec chmod 755 {} +
find "$tree" -type f -exec chmod 644 {} +
chmod 755 "${programs[@]}"
find "$tree" -exec touch --no-dereference -d "@$SOURCE_DATE_EPOCH" {} +
mkdir -p "$(dirname "$out")"
dpkg-deb --root-owner-group -Zxz --build "$tree" "$out" >/dev/null
echo "$out"
