#!/usr/bin/env bash
# The installed program: `cmake --install` into a fresh prefix puts the
# program, the tool, the sound, the manual, the desktop entry and the icons
# in their places, and the installed program, started on a private X server,
# finds its sound and opens its manual at the first start.
source "$(dirname "$0")/lib.sh"

PREFIX="$TEST_HOME/prefix"
cmake --install "$BUILD_DIR" --prefix "$PREFIX" >/dev/null || fail "cmake --install failed"
SHARE="$PREFIX/share/corvinade"
for file in bin/corvinade bin/corvinade-tool share/corvinade/copy.wav "share/corvinade/Corvinade User Manual.pdf" \
    share/applications/corvinade.desktop share/icons/hicolor/48x48/apps/corvinade.png \
    share/icons/hicolor/256x256/apps/corvinade.png; do
  [ -s "$PREFIX/$file" ] || fail "not installed: $file"
done
grep -qx 'Exec=corvinade' "$PREFIX/share/applications/corvinade.desktop" || fail "desktop entry"

start_display
CVD="$PREFIX/bin/corvinade"
TOOL="$PREFIX/bin/corvinade-tool"
start_program
wait_for_window Corvinade >/dev/null || fail "button window did not map: $(cat "$TEST_HOME/corvinade.log")"

for _ in $(seq 100); do [ -s "$TEST_HOME/opened" ] && break; sleep 0.05; done
opened=$(sed -e 's|^file://||' -e 's|%20| |g' "$TEST_HOME/opened" 2>/dev/null || true)
[ "$opened" = "$SHARE/Corvinade User Manual.pdf" ] || fail "first start opened '$opened'"
[ "$(state_get '.groups[0].SoundFile')" = "$SHARE/copy.wav" ] || fail "sound: $(state_get '.groups[0].SoundFile')"

"$TOOL" quit >/dev/null
wait_for_exit "$CVD_PID" 5 || fail "still running after quit"
echo PASS
