#!/usr/bin/env bash
# corvinade-tool doctor on sway: its test copy is a Wayland client's copy
# through data-control, captured but kept nowhere, and the clipboard's text
# comes back; the shortcut keys fail until sway binds corvinade-tool do.
source "$(dirname "$0")/lib.sh"
start_sway
start_program
wait_until_started >/dev/null
foot -a cvd-doctor -T 'Doctor target' sh -c 'sleep 60' >/dev/null 2>&1 &
PIDS_TO_KILL+=($!)
wait_for_state '.LastTarget.title == "Doctor target"' "the foot window as the target"
wl_copy_text "before"
wait_for_state '.groups[0].Buttons[0].Text == "before"' "the user's copy"
sleep 0.1

run_doctor
[ $DOCTOR_STATUS -eq 1 ] || fail "doctor without bindings: exit $DOCTOR_STATUS"
doctor_says '[.session, .desktop, .checks.capture.status, .checks.capture.path, .checks.paste.path, .checks.target.status,
  .checks.shortcuts.status] | join(" ")' \
  "wayland sway works wayland:zwlr_data_control_manager_v1 wayland:zwp_virtual_keyboard_manager_v1 works fails"
doctor_says '(.checks.capture.detail | contains("through wayland")) and (.checks.shortcuts.advice | contains("keys sway"))' true
sleep 0.2
[ "$(clip_texts)" = '["before","","","",""]' ] || fail "the test copy reached the history: $(clip_texts)"
[ "$(wl-paste -n)" = before ] || fail "clipboard afterwards: $(wl-paste -n)"

# With the bindings in sway's configuration everything works.
"$TOOL" keys sway >>"$TEST_HOME/sway/config"
swaymsg reload >/dev/null
"$TOOL" doctor || fail "doctor with bindings: $(cat "$TEST_HOME/doctor.json")"
echo ok
