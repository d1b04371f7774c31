#!/usr/bin/env bash
# corvinade-tool doctor on GNOME's compositor with the desktop portals: paste
# and shortcut keys go through the portals (the keys work once the desktop
# assigned them), capture through XWayland with a test copy that is captured
# and kept nowhere; mutter names no active Wayland window, so target tracking
# fails and so does the doctor.
source "$(dirname "$0")/lib.sh"
need_gnome_parts
start_mutter
start_portal
start_program
wait_until_started >/dev/null
wait_for_state '.shortcuts.assigned["Paste active button"] == "Press ALT+p"' "the trigger the desktop assigned"

run_doctor
[ $DOCTOR_STATUS -eq 1 ] || fail "doctor: exit $DOCTOR_STATUS: $(cat "$TEST_HOME/doctor.json")"
doctor_says '[.session, .ok, .checks.capture.status, .checks.capture.path, .checks.target.status] | join(" ")' \
  "wayland false works x11 fails"
doctor_says '.checks.paste.status + " " + .checks.paste.path' "unchecked portal:org.freedesktop.portal.RemoteDesktop"
doctor_says '.checks.shortcuts.status + " " + .checks.shortcuts.path' "works portal:org.freedesktop.portal.GlobalShortcuts"
doctor_says '(.checks.capture.detail | contains("through x11")) and (.checks.paste.advice | contains("asks once"))' true
sleep 0.2
[ "$(clip_texts)" = '["","","","",""]' ] || fail "the test copy reached the history: $(clip_texts)"
echo ok
