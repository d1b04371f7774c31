#!/usr/bin/env bash
# The user refuses the desktop's question: one notice says so, nothing is
# typed, the text stays on the clipboard to paste by hand, the rest of that
# paste asks nothing more, and the program goes on. The next paste the user
# asks for asks again.
source "$(dirname "$0")/lib.sh"
need_gnome_parts
start_mutter
export PORTAL_TEST_REFUSE=1
start_portal
dbus-monitor --session "interface='org.freedesktop.Notifications',member='Notify'" >"$TEST_HOME/notices" 2>&1 &
PIDS_TO_KILL+=($!)
start_gtk_target
mkdir -p -m 700 "$XDG_DATA_HOME/Corvinade"
# A paste method whose macro goes on typing after the refused paste keys.
printf '%s\r\n' '[PasteKeys]' 'NumPasteKey=1' 'Title1=' 'Match1=3' 'Key1={Ctrl v}{Delay 200}xyz' 'Delay1=0' \
  >"$XDG_DATA_HOME/Corvinade/corvinade.ini"
start_program
win=$(wait_until_started)

gtk_copy 'keep me'
wait_for_state '.groups[0].Buttons[0].Text == "keep me"' "the copy in the GTK window"
click_button_on_mutter "$win" 1
for _ in $(seq 100); do
  grep -q 'did not allow Corvinade to type' "$TEST_HOME/notices" && break
  sleep 0.05
done
grep -q 'did not allow Corvinade to type' "$TEST_HOME/notices" || fail "no notice: $(cat "$TEST_HOME/notices")"
wait_for_state '.pasting == false' "the paste to end"
[ "$(grep -c '^remote start refused' "$PORTAL_TEST_LOG")" -eq 1 ] || fail "not asked once: $(cat "$PORTAL_TEST_LOG")"
[ "$(grep -c 'did not allow Corvinade to type' "$TEST_HOME/notices")" -eq 1 ] || fail "not one notice"
[ "$(xclip -selection clipboard -o)" = 'keep me' ] || fail "the clipboard holds '$(xclip -selection clipboard -o)'"
[ -z "$(cat "$GTK_OUT")" ] || fail "typed despite the refusal: $(cat "$GTK_OUT")"

# The user's next paste asks again.
sleep 1.5
click_button_on_mutter "$win" 1
for _ in $(seq 100); do
  [ "$(grep -c '^remote start refused' "$PORTAL_TEST_LOG")" -eq 2 ] && break
  sleep 0.05
done
[ "$(grep -c '^remote start refused' "$PORTAL_TEST_LOG")" -eq 2 ] || fail "the next paste did not ask: $(cat "$PORTAL_TEST_LOG")"
kill -0 "$CVD_PID" || fail "the program ended"
echo ok
