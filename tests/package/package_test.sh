#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root, and starts the installed program
# once on a virtual display: it must start from its installed place and show its installed help.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >/dev/null)
deb=$(ls "$scratch"/out/orvanel_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 qt6-qpa-plugins fonts-liberation2; do
  [[ "$depends" == *"$needed"* ]] || { echo "FAIL: Depends lacks $needed: $depends"; exit 1; }
done
dpkg-deb -x "$deb" "$scratch/root"
for file in usr/lib/orvanel/orvanel usr/lib/orvanel/orvanel_help.txt usr/bin/orvanel \
            usr/share/applications/orvanel.desktop usr/share/icons/hicolor/scalable/apps/orvanel.svg; do
  [ -e "$scratch/root/$file" ] || { echo "FAIL: the package lacks $file"; exit 1; }
done
# The help text must come from the installed folder: change it there and look for the change.
sed -i '1s/.*/Orvanel - a calculator for plane angles/' "$scratch/root/usr/lib/orvanel/orvanel_help.txt"
"$here/../gui/gui_test.sh" "$scratch/root/usr/bin/orvanel" help
echo "PASS: $(basename "$deb") installs and starts"
