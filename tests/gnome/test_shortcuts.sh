#!/usr/bin/env bash
# Where the desktop portal offers global shortcuts, every shortcut function
# with a key is bound there with that key as the preferred trigger, and the
# desktop's Activated for "Paste active button" pastes into the GTK window
# that has the focus, as the key grabbed on X11 does.
source "$(dirname "$0")/lib.sh"
start_desktop
start_program
wait_until_started >/dev/null
[ "$(state_get .platform.shortcuts)" = "portal:org.freedesktop.portal.GlobalShortcuts" ] ||
  fail "shortcuts path: $(state | jq -c .platform)"
for _ in $(seq 100); do
  grep -q '^bind ' "$PORTAL_TEST_LOG" && break
  sleep 0.05
done
# Every function with a key, each with its key as the preferred trigger.
grep -q '^bind 7238 trigger=ALT+p$' "$PORTAL_TEST_LOG" || fail "Paste active button not bound: $(cat "$PORTAL_TEST_LOG")"
bound=$(grep -c '^bind ' "$PORTAL_TEST_LOG")
keys=$(state | jq '[.shortcuts.keys[] | select(. != 0)] | length')
[ "$bound" -eq "$keys" ] || fail "$bound shortcuts bound, $keys have keys"

gtk_copy 'by shortcut'
wait_for_state '.groups[0].Buttons[0].Text == "by shortcut"' "the copy in the GTK window"
portal_control Activate string:7238
wait_for_file_content "$GTK_OUT" 'by shortcut'
echo ok
