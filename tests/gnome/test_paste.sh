#!/usr/bin/env bash
# On GNOME's compositor (headless mutter, no virtual-keyboard protocol) keys
# go through the remote desktop portal: a copy in a Wayland GTK window
# becomes a clip, and a click on its button puts exactly that text into the
# GTK window, which keeps the focus all along. The portal asks once: the
# second paste needs no new session. A session the desktop ends is told in
# one notice, and the next paste asks for a new one.
source "$(dirname "$0")/lib.sh"
start_desktop
dbus-monitor --session "interface='org.freedesktop.Notifications',member='Notify'" >"$TEST_HOME/notices" 2>&1 &
PIDS_TO_KILL+=($!)
start_program
win=$(wait_until_started)
[ "$(state_get .platform.keys)" = "portal:org.freedesktop.portal.RemoteDesktop" ] || fail "keys path: $(state_get .platform)"

text='pasted on GNOME – Grüße {braces} ~!@#'
gtk_copy "$text"
wait_for_state ".groups[0].Buttons[0].Text == $(jq -n --arg t "$text" '$t')" "the copy in the GTK window"
focus_lines=$(wc -l <"$GTK_OUT.focus")
click_button_on_mutter "$win" 1
wait_for_file_content "$GTK_OUT" "$text"
grep -q '^remote select types=1$' "$PORTAL_TEST_LOG" || fail "no keyboard asked for: $(cat "$PORTAL_TEST_LOG")"

gtk_copy 'second'
wait_for_state '.groups[0].Buttons[0].Text == "second"' "the second copy"
click_button_on_mutter "$win" 1
wait_for_file_content "$GTK_OUT" "${text}second"
[ "$(grep -c '^remote start' "$PORTAL_TEST_LOG")" -eq 1 ] || fail "asked more than once: $(cat "$PORTAL_TEST_LOG")"
[ "$(wc -l <"$GTK_OUT.focus")" -eq "$focus_lines" ] || fail "the GTK window lost the focus: $(cat "$GTK_OUT.focus")"

portal_control CloseSessions
for _ in $(seq 100); do
  grep -q 'ended Corvinade.s permission' "$TEST_HOME/notices" && break
  sleep 0.05
done
grep -q 'ended Corvinade.s permission' "$TEST_HOME/notices" || fail "no notice of the ended session"
click_button_on_mutter "$win" 1
wait_for_file_content "$GTK_OUT" "${text}secondsecond"
[ "$(grep -c '^remote start' "$PORTAL_TEST_LOG")" -eq 2 ] || fail "not asked again: $(cat "$PORTAL_TEST_LOG")"
echo ok
