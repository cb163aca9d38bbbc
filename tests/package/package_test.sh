#!/usr/bin/env bash
# Builds the Debian package and holds it to Debian's and freedesktop's rules (lintian, the
# desktop entry, the AppStream metainfo), unpacks it into a scratch root, runs both commands
# from there and starts the installed window once: it must show its installed help.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >/dev/null)
deb=$(ls "$scratch"/out/orvanel_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 qt6-qpa-plugins fonts-liberation2; do
  [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done
lintian --fail-on error,warning "$deb" || fail "lintian reports errors or warnings"
root=$scratch/root
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/orvanel.desktop" | grep . && fail "desktop entry"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >/dev/null ||
  fail "AppStream metainfo"

[ "$("$root/usr/bin/orvanel-cli" rad2deg 1)" = "1.00000 radians = 57°17'45\"" ] || fail "orvanel-cli"
env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/orvanel" --version | grep -qx "orvanel [0-9.]*" ||
  fail "orvanel --version"
# The help text must come from the installed folder: change it there and look for the change.
sed -i '1s/.*/Orvanel - a calculator for plane angles/' "$root/usr/lib/orvanel/orvanel_help.txt"
"$here/../gui/gui_test.sh" "$root/usr/bin/orvanel" help
echo "PASS: $(basename "$deb") passes lintian, installs and starts"
