#!/usr/bin/env bash
# corvinade-tool doctor on X11: without the program it says what it could
# not try; with it, its test copy is captured but kept nowhere, and the
# clipboard's text comes back.
source "$(dirname "$0")/lib.sh"
start_display

run_doctor
[ $DOCTOR_STATUS -eq 1 ] || fail "doctor without the program: exit $DOCTOR_STATUS"
doctor_says '[.running, .checks.capture.status, .checks.capture.path] | join(" ")' "false unchecked x11"

start_program
wait_until_started >/dev/null
start_tk_target
copy_text "before"
wait_for_state '.groups[0].Buttons[0].Text == "before"' "the user's copy"
sleep 0.1

start=$(date +%s%N)
"$TOOL" doctor || fail "doctor failed: $("$TOOL" doctor --json)"
echo "doctor took $((($(date +%s%N) - start) / 1000000)) ms"
"$TOOL" doctor --json >"$TEST_HOME/doctor.json" || fail "doctor --json failed"
doctor_says '[.ok, .checks.capture.status, .checks.paste.status, .checks.target.status, .checks.shortcuts.status] |
  join(" ")' "true works works works works"
doctor_says '.checks.target.detail | contains("tk-target")' true
# The test copies became no clip, and the user's text is back on the clipboard.
sleep 0.2
[ "$(clip_texts)" = '["before","","","",""]' ] || fail "the test copy reached the history: $(clip_texts)"
[ "$(xclip -selection clipboard -o)" = before ] || fail "clipboard afterwards: $(xclip -selection clipboard -o)"

echo "ok"
