#!/usr/bin/env bash
# Texts copied in other programs become clip buttons of the running program;
# non-text copies change nothing; the last outside window is the target.
source "$(dirname "$0")/lib.sh"
start_display
start_program
wait_for_window Corvinade >/dev/null || fail "no button window: $(cat "$TEST_HOME/corvinade.log")"
wait_for_state .window.visible

# A, B, C fill buttons 1..3 as C, B, A.
for t in A B C; do
  copy_text "$t"
  wait_for_state ".groups[0].Buttons[0].Text == \"$t\"" "clip $t"
  sleep 0.1  # past the 50 ms lock-out after each capture
done
[ "$(clip_texts)" = '["C","B","A","",""]' ] || fail "after A B C: $(clip_texts)"
[ "$(state_get .LastFilled)" = 1 ] || fail "LastFilled"
[ "$(state_get .LastFillGroup)" = Default ] || fail "LastFillGroup"

# Six copies into five clip buttons drop the first.
for t in 1 2 3 4 5 6; do
  copy_text "text $t"
  wait_for_state ".groups[0].Buttons[0].Text == \"text $t\"" "clip $t"
  sleep 0.1
done
[ "$(clip_texts)" = '["text 6","text 5","text 4","text 3","text 2"]' ] || fail "six copies: $(clip_texts)"

# UTF-8 and line breaks arrive as they are; the caption has no line break.
copy_text "$(printf 'Gr\xc3\xbc\xc3\x9fe\r\nzwei')"
wait_for_state '.groups[0].Buttons[0].Text == "Grüße\r\nzwei"' "UTF-8 clip"
[ "$(state_get '.groups[0].Buttons[0].Name | startswith("Grüßezwei")')" = true ] || fail "caption"
sleep 0.1

# An image copy changes nothing.
before=$(clip_texts)
head -c 300 /dev/urandom > "$TEST_HOME/image.png"
xclip -selection clipboard -t image/png -i "$TEST_HOME/image.png" >/dev/null 2>&1
sleep 0.5
[ "$(clip_texts)" = "$before" ] || fail "an image copy changed the clips"
kill -0 "$CVD_PID" || fail "the program ended"

# A selection owner that never answers does not freeze the program, and
# the next copy is taken normally.
"$BUILD_DIR/tests/hung_owner" >/dev/null &
HUNG=$!
PIDS_TO_KILL+=($HUNG)
sleep 0.2
start=$(date +%s%N)
"$TOOL" state >/dev/null || fail "no answer while the owner hangs"
echo "state answered $(( ($(date +%s%N) - start) / 1000000 )) ms after a hung owner took the clipboard"
kill "$HUNG"
[ "$(clip_texts)" = "$before" ] || fail "the hung owner changed the clips"
sleep 0.1
copy_text "after the hang"
wait_for_state '.groups[0].Buttons[0].Text == "after the hang"' "copy after a hung owner"

# Target tracking: each activated outside window becomes the target.
xterm -title first-term -geometry 40x5+10+10 >/dev/null 2>&1 &
PIDS_TO_KILL+=($!)
FIRST=$(wait_for_window first-term) || fail "no xterm"
xdotool windowactivate --sync "$FIRST" >/dev/null 2>&1
wait_for_state '.LastTarget.title == "first-term"' "xterm as target"
[ "$(state_get .LastTarget.exe)" = xterm ] || fail "exe of target: $(state_get .LastTarget)"

xterm -title second-term -geometry 40x5+400+10 >/dev/null 2>&1 &
PIDS_TO_KILL+=($!)
SECOND=$(wait_for_window second-term) || fail "no second xterm"
xdotool windowactivate --sync "$SECOND" >/dev/null 2>&1
wait_for_state '.LastTarget.title == "second-term"' "second xterm as target"

# The program's own window and a dock never become the target.
WIN=$(wait_for_window Corvinade)
xdotool windowactivate "$WIN" >/dev/null 2>&1 || true
tint2 >/dev/null 2>&1 &
PIDS_TO_KILL+=($!)
sleep 0.6
DOCK=$(xdotool search --class tint2 2>/dev/null | head -n1 || true)
[ -n "$DOCK" ] && { xdotool windowactivate "$DOCK" >/dev/null 2>&1 || true; sleep 0.3; }
[ "$(state_get .LastTarget.title)" = second-term ] || fail "target moved to $(state_get .LastTarget)"

# A large text (sent in pieces) arrives whole.
head -c 3000000 /dev/zero | tr '\0' x | xclip -selection clipboard -i >/dev/null 2>&1
wait_for_state '.groups[0].Buttons[0].Text | length == 3000000' "3 MB clip"

"$TOOL" quit >/dev/null
wait_for_exit "$CVD_PID" 5 || fail "did not quit"
echo PASS
