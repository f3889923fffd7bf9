#!/usr/bin/env bash
# Checks what a user installs: the ci build tree installed into a temporary prefix and run from
# there (with its desktop entry and metadata validated), then the Debian package that cpack makes
# from the same tree, unpacked into a scratch root and run, and installed with apt.
# Usage (after scripts/test.sh or scripts/setup.sh with RP70_PRESET=ci): scripts/ci/package.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
. scripts/packages.sh
build=build/${RP70_PRESET:-ci}

# The validators, help2man for the man pages and dpkg-shlibdeps for the package's dependencies.
install_packages package desktop-file-utils appstream help2man dpkg-dev groff-base
# Configured again, the tree finds help2man and builds the man pages; nothing else is rebuilt.
cmake "$build" >/dev/null
cmake --build "$build"

echo "package: installing into a temporary prefix"
sh tests/apps/install_test.sh "$(command -v cmake)" "$build"

echo "package: building the Debian package"
rm -f "$build"/rp70cps_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/rp70cps_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || { echo "package: cpack made no rp70cps_*.deb" >&2; exit 1; }
dpkg-deb -I "$deb" | grep -E '^ (Package|Version|Architecture|Depends|Recommends|Section):'
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "package: no Qt in Depends" >&2; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q 'qt6-qpa-plugins' || { echo "package: no platform plugins in Depends" >&2; exit 1; }
dpkg-deb -f "$deb" Recommends | grep -q 'fonts-noto-cjk' || { echo "package: no CJK font in Recommends" >&2; exit 1; }

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
export RP70_HOME="$root/home"
"$root/usr/bin/rp70" --version
"$root/usr/bin/rp70" new -o "$root/a.dat"
"$root/usr/bin/rp70" show --used "$root/a.dat"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$root" "$root/usr/bin/rp70cps" --version

# As a user installs it, when this machine may be changed (CI runs as root on a fresh machine).
if [ "$(id -u)" -eq 0 ] && [ -n "${CI:-}" ]; then
    echo "package: apt install $deb"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "./$deb" >/dev/null
    /usr/bin/rp70 --version
    DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq rp70cps >/dev/null
fi
echo "package: passed"
