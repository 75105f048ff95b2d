#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root, checks what
# it installs and starts the unpacked program offscreen: it must come up
# and stay up for two seconds.
#   test_package.sh BUILD_DIR
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
deb="$(ls "$work"/package/*.deb)"
echo "package: $(basename "$deb")"

depends="$(dpkg-deb -f "$deb" Depends)"
echo "depends: $depends"
grep -q 'libqt6widgets6' <<<"$depends"
grep -q 'libc6' <<<"$depends"
grep -q 'qt6-qpa-plugins' <<<"$depends"

dpkg-deb -x "$deb" "$work/root"
root="$work/root/usr"
test -x "$root/bin/kvintora"
test -f "$root/share/applications/kvintora.desktop"
grep -q '^Name=Kvintora kalkulátor$' "$root/share/applications/kvintora.desktop"
grep -q '^Categories=Utility;Calculator;$' "$root/share/applications/kvintora.desktop"
test -f "$root/share/icons/hicolor/scalable/apps/kvintora.svg"
for size in 16 32 48 256; do
    file "$root/share/icons/hicolor/${size}x${size}/apps/kvintora.png" | grep -q "${size} x ${size}"
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$root/share/applications/kvintora.desktop"
fi

# Still running after two seconds: timeout ends it with status 124.
status=0
QT_QPA_PLATFORM=offscreen timeout 2 "$root/bin/kvintora" >/dev/null 2>&1 || status=$?
echo "started and ended by timeout: status $status"
test "$status" -eq 124
