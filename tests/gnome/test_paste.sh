#!/usr/bin/env bash
# On GNOME's compositor (headless mutter, no virtual-keyboard protocol) keys
# go through the remote desktop portal: a copy in a Wayland GTK window
# becomes a clip, and a click on its button puts exactly that text into the
# GTK window, which keeps the focus all along. The portal asks once: the
# second paste needs no new session.
source "$(dirname "$0")/lib.sh"
start_desktop
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
echo ok
