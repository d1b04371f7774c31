#!/usr/bin/env bash
# The Debian package builds and carries the program, the tool, the desktop
# entry, the icon and the manual, and names the libraries it needs.
set -euo pipefail
BUILD_DIR=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
OUT=$(mktemp -d /tmp/cvd-package.XXXXXX)
trap 'rm -rf "$OUT"' EXIT

(cd "$OUT" && cpack -G DEB --config "$BUILD_DIR/CPackConfig.cmake" -B "$OUT" >"$OUT/cpack.log" 2>&1) ||
  fail "cpack failed: $(cat "$OUT/cpack.log")"
deb=$(ls "$OUT"/corvinade_*.deb 2>/dev/null | head -n1)
[ -n "$deb" ] || fail "no package: $(cat "$OUT/cpack.log")"
files=$(dpkg-deb -c "$deb")
for file in ./usr/bin/corvinade ./usr/bin/corvinade-tool ./usr/share/applications/corvinade.desktop \
    ./usr/share/icons/hicolor/48x48/apps/corvinade.png "./usr/share/corvinade/Corvinade User Manual.pdf" \
    ./usr/share/corvinade/copy.wav; do
  grep -qF -- " $file" <<<"$files" || fail "$file is not in the package"
done
[ "$(dpkg-deb -f "$deb" Package)" = corvinade ] || fail "package name"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6dbus6 libqt6network6 libx11-6 libxtst6 libssl3 qt6-qpa-plugins; do
  grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
echo "PASS: $(basename "$deb")"
