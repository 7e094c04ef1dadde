#!/usr/bin/env bash
# Builds the Debian package in build-deb/ with Debian's compiler flags,
# checks it the way a distributor does (desktop-file-validate, appstreamcli,
# lintian, man), then installs it with apt-get into a clean minimal Debian
# system made by debootstrap and runs the installed zentrova-calc there.
# Needs root for the chroot. The base system is made once and kept in
# ZENTROVA_PACKAGE_CACHE (default /var/cache/zentrova).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh cmake ninja-build g++ qt6-base-dev libgl-dev dpkg-dev file librsvg2-bin \
  desktop-file-utils appstream lintian man-db groff-base debootstrap

# Debian's hardening flags, as a Debian package build sets them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
if [[ ! -f build-deb/build.ninja ]]; then
  launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENTROVA_BUILD_TESTS=OFF \
    "${launcher[@]}" >/dev/null
fi
# Compiler cache hits from any clone of the repository (CI builds in a fresh one).
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
cmake --build build-deb
rm -f build-deb/zentrova_*.deb
(cd build-deb && cpack -G DEB >/dev/null)
deb=$(echo build-deb/zentrova_*.deb)
echo "built $deb"

# The files as installed, then the package itself.
stage=$(mktemp -d)
chroot_root=""
cleanup() {
  rm -rf "$stage"
  [[ -n $chroot_root ]] && rm -rf "$chroot_root"
  return 0
}
trap cleanup EXIT
dpkg-deb -x "$deb" "$stage"
desktop-file-validate "$stage"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$stage"/usr/share/metainfo/*.metainfo.xml
for page in "$stage"/usr/share/man/man1/*.1.gz; do
  # Any troff warning is a fault in the page.
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  if [[ -n $warnings ]]; then
    echo "$page: $warnings" >&2
    exit 1
  fi
done
# Errors fail the check; the remaining warnings and infos are listed (and
# explained in the README).
report=$(lintian --fail-on error --display-info "$deb" 2>&1) || { echo "$report" >&2; exit 1; }
grep -v "running with root privileges" <<<"$report" || true

if [[ $(id -u) -ne 0 ]]; then
  echo "package-check: installing into a clean Debian system needs root; skipped" >&2
  exit 0
fi

cache=${ZENTROVA_PACKAGE_CACHE:-/var/cache/zentrova}
. /etc/os-release
suite=${VERSION_CODENAME:?no VERSION_CODENAME in /etc/os-release}
base="$cache/debian-$suite-minbase.tar"
mkdir -p "$cache"
if [[ ! -f $base ]]; then
  # The mirror this machine's apt uses.
  mirror=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -1)
  [[ -n $mirror ]] || mirror=$(awk '$1 == "deb" { print $2; exit }' /etc/apt/sources.list 2>/dev/null)
  [[ -n $mirror ]] || mirror=http://deb.debian.org/debian
  echo "making a minimal Debian $suite system from $mirror once (a few minutes)"
  made=$(mktemp -d "$cache/base.XXXX")
  chmod 755 "$made"  # a system's root, where apt's own user must read too
  if ! debootstrap --variant=minbase "$suite" "$made" "$mirror" >"$cache/debootstrap.log" 2>&1; then
    tail -20 "$cache/debootstrap.log" >&2
    rm -rf "$made"
    exit 1
  fi
  if compgen -G "/etc/apt/sources.list.d/*.sources" >/dev/null; then
    rm -f "$made/etc/apt/sources.list"
    cp /etc/apt/sources.list.d/*.sources "$made/etc/apt/sources.list.d/"
  fi
  chroot "$made" apt-get update -qq
  chroot "$made" apt-get clean
  tar -C "$made" -cf "$base.new" . && mv "$base.new" "$base"
  rm -rf "$made"
fi

chroot_root=$(mktemp -d "$cache/root.XXXX")
tar -C "$chroot_root" -xf "$base"
chmod 755 "$chroot_root"
cp "$deb" "$chroot_root/tmp/"
in_root() {
  chroot "$chroot_root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
}
install_deb() {
  in_root /bin/sh -c 'cd /tmp && apt-get install -y -qq ./zentrova_*.deb' >"$cache/install.log" 2>&1
}
# The package lists kept in the base system may have gone stale on the mirror.
if ! install_deb; then
  in_root apt-get update -qq
  install_deb || { tail -20 "$cache/install.log" >&2; exit 1; }
fi

version=$(in_root zentrova-calc --version)
echo "installed: $version"
expected="zentrova-calc $(dpkg-deb -f "$deb" Version)"
[[ $version == "$expected" ]] || { echo "expected '$expected'" >&2; exit 1; }
gl=$(in_root zentrova-calc gl)
grep -qx 'Text6=4.41875' <<<"$gl" && grep -qx 'Text10=425' <<<"$gl" ||
  { echo "unexpected output of the installed zentrova-calc gl:" >&2; echo "$gl" >&2; exit 1; }
in_root zentrova --version
in_root test -f /usr/share/man/man1/zentrova-calc.1.gz
echo "package-check: 1 passed, 0 failed"
