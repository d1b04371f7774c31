#!/usr/bin/env bash
# In a sway session the capture reads the best text type an owner offers
# (UTF-8 text, then UTF8_STRING, then plain text), and an owner that never
# hands over its text costs one time-limited wait: the program keeps
# answering and takes the next copy.
EXPECTED_WARNINGS='^corvinade\.wayland: warning: the clipboard.s owner did not hand over its text within 300 ms'
source "$(dirname "$0")/lib.sh"
start_sway
start_program
wait_until_started >/dev/null
SOURCE="$BUILD_DIR/tests/data_source"

own() {
  "$SOURCE" "$@" >/dev/null &
  PIDS_TO_KILL+=($!)
}

# Each owner offers a different text per type: the one read shows which.
cases=(
  'utf8|text/plain:plain|UTF8_STRING:x11|text/plain;charset=utf-8:utf8|text/html:<b>html</b>'
  'x11|STRING:latin|text/plain:plain|UTF8_STRING:x11'
  'plain|TEXT:text|STRING:latin|text/plain:plain'
)
for entry in "${cases[@]}"; do
  IFS='|' read -r -a fields <<<"$entry"
  own "${fields[@]:1}"
  wait_for_state ".groups[0].Buttons[0].Text == \"${fields[0]}\"" "'${fields[0]}' from ${fields[*]:1}"
done

# An owner that offers no text type is not read at all.
own 'STRING:latin' 'image/png:png'
sleep 0.5
[ "$(state_get '.groups[0].Buttons[0].Text')" = plain ] || fail "a copy without a text type was taken"

own --hang 'text/plain;charset=utf-8:never'
for _ in $(seq 100); do
  grep -q 'did not hand over' "$TEST_HOME/corvinade.log" && break
  sleep 0.05
done
grep -q 'did not hand over' "$TEST_HOME/corvinade.log" || fail "the hung owner was not reported"
start=$(date +%s%N)
state >/dev/null || fail "the program does not answer after a hung owner"
[ $(($(date +%s%N) - start)) -lt 1000000000 ] || fail "the program answered late"
wl_copy_text 'after the hung owner'
wait_for_state '.groups[0].Buttons[0].Text == "after the hung owner"' "the next copy"
echo ok
