#!/usr/bin/env bash
# Clips survive a kill -9: the journal puts them back at the next start,
# each once, and a normal exit leaves the journal empty of clips.
source "$(dirname "$0")/lib.sh"
start_display
DATA="$XDG_DATA_HOME/Corvinade"

start_and_wait() {
  start_program
  wait_for_window Corvinade >/dev/null || fail "no button window: $(cat "$TEST_HOME/corvinade.log")"
  wait_for_state .window.visible
}

start_and_wait
[ "$(state_get .journal)" = "$DATA/corvinade.jnl" ] || fail "journal path: $(state_get .journal)"
for t in one two three; do
  copy_text "$t"
  wait_for_state ".groups[0].Buttons[0].Text == \"$t\"" "clip $t"
  sleep 0.1  # past the lock-out after each capture
done
expected='["three","two","one","",""]'
[ "$(clip_texts)" = "$expected" ] || fail "before the kill: $(clip_texts)"

for round in 1 2; do
  kill -9 "$CVD_PID"
  wait_for_exit "$CVD_PID" || fail "still running after kill -9"
  start_and_wait
  [ "$(clip_texts)" = "$expected" ] || fail "after kill -9 number $round: $(clip_texts)"
done

"$TOOL" quit
wait_for_exit "$CVD_PID" || fail "no exit after quit"
# Only the journal's mark of the saved data file remains: no clip lines.
[ "$("$TOOL" dump "$DATA/corvinade.jnl" | jq '.replay | length')" = 0 ] || fail "journal after quit: $("$TOOL" dump "$DATA/corvinade.jnl")"
start_and_wait
[ "$(clip_texts)" = "$expected" ] || fail "after a normal exit: $(clip_texts)"
echo "journal ok"
