#!/usr/bin/env bash
# The Debian package builds and carries the program, the tool, the desktop
# entry, the icon, the manual, the manual pages and the copyright file, names
# the libraries it needs, and passes lintian without an error.
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
    ./usr/share/corvinade/copy.wav ./usr/share/doc/corvinade/copyright ./usr/share/man/man1/corvinade.1.gz \
    ./usr/share/man/man1/corvinade-tool.1.gz; do
  grep -qF -- " $file" <<<"$files" || fail "$file is not in the package"
done
[ "$(dpkg-deb -f "$deb" Package)" = corvinade ] || fail "package name"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6dbus6 libqt6network6 libx11-6 libxtst6 libssl3 qt6-qpa-plugins; do
  grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
# The manual pages render without a complaint from the formatter.
dpkg-deb -x "$deb" "$OUT/root"
for page in "$OUT"/root/usr/share/man/man1/*.1.gz; do
  complaints=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null || true)
  [ -z "$complaints" ] || fail "$(basename "$page"): $complaints"
done
# Debian's own checks find no error (warnings are allowed).
lintian --no-tag-display-limit "$deb" >"$OUT/lintian.log" 2>&1 || true
if grep -q '^E: ' "$OUT/lintian.log"; then fail "lintian: $(grep '^E: ' "$OUT/lintian.log")"; fi
echo "PASS: $(basename "$deb")"
