#!/usr/bin/env bash
# System-wide shortcut keys of the real program: a key another client holds
# is reported and cleared; Alt+H and Alt+S hide and show the window; Alt+P
# pastes into the focused window; Alt+R, Alt+A paste every clip with the
# delimiter between them; corvinade-tool do runs functions and quick fixes.
source "$(dirname "$0")/lib.sh"
start_display

"$BUILD_DIR/tests/key_holder" >"$TEST_HOME/holder.out" 2>&1 &
HOLDER=$!
PIDS_TO_KILL+=($HOLDER)
for _ in $(seq 100); do grep -q held "$TEST_HOME/holder.out" && break; sleep 0.05; done

start_program
wait_for_window Corvinade >/dev/null || fail "no button window: $(cat "$TEST_HOME/corvinade.log")"
for _ in $(seq 100); do
  [ "$(state_get '.shortcuts.keys["Hide button window"]' 2>/dev/null)" = 0 ] && break
  sleep 0.05
done
[ "$(state_get '.shortcuts.keys["Hide button window"]')" = 0 ] || fail "a held key was not cleared"
[ "$(state_get '.shortcuts.keys["Show button window"]')" = 339 ] || fail "a free key was cleared"
# One message box tells about it.
dialogs() {
  xdotool search --onlyvisible --name '^Corvinade$' 2>/dev/null | while read -r w; do
    xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q DIALOG && echo "$w"
  done
}
for _ in $(seq 100); do [ -n "$(dialogs)" ] && break; sleep 0.05; done
[ "$(dialogs | wc -l)" = 1 ] || fail "expected one message about the key in use"
xdotool windowactivate --sync "$(dialogs)" >/dev/null 2>&1 || true
xdotool key Return
for _ in $(seq 100); do [ -z "$(dialogs)" ] && break; sleep 0.05; done
"$TOOL" quit >/dev/null
wait_for_exit "$CVD_PID" 5 || fail "did not quit"
kill "$HOLDER"
INI="$XDG_DATA_HOME/Corvinade/corvinade.ini"
grep -q '^Hide button window=0' "$INI" || fail "the cleared key was not stored as 0"
sed -i 's/^Hide button window=0/Hide button window=328/' "$INI"

start_tk_target
start_program
WIN=$(wait_until_started)
xdotool windowactivate --sync "$TK" >/dev/null 2>&1
wait_for_state '.LastTarget.title == "tk-target"' "Tk window as target"

xdotool key alt+h
wait_for_state '.window.visible == false' "Alt+H hides"
xdotool key alt+s
wait_for_state '.window.visible == true' "Alt+S shows"
xdotool windowactivate --sync "$TK" >/dev/null 2>&1

for text in one two three; do
  copy_text "$text"
  wait_for_state ".groups[0].Buttons[0].Text == \"$text\"" "clip $text"
  sleep 0.1
done
# Alt+P pastes the active clip: after a reset, the oldest.
xdotool key alt+r
xdotool key alt+p
wait_for_file_content "$TK_OUT" "one"
# The text arrives before the paste keystroke's Ctrl is up: a key pressed in
# between would reach the Tk window as Ctrl+Alt+R. The step ends by moving on.
wait_for_state '.window.activeButton == 2' "Alt+P moves on to the next clip"
[ "$(focused_window)" = "$TK" ] || fail "Alt+P took the focus from the Tk window"

# Alt+R, Alt+A and OK in the delimiter list: all three, comma-separated.
xdotool key alt+r
wait_for_state '.window.activeButton == 3' "Alt+R goes back to the oldest clip"
xdotool key alt+a
LIST=$(wait_for_window Delimeter) || fail "no delimiter list"
xdotool windowactivate --sync "$LIST" >/dev/null 2>&1 || true
xdotool key Return
wait_for_file_content "$TK_OUT" "oneone,two,three"
[ "$(focused_window)" = "$TK" ] || fail "paste all left the focus elsewhere"

# The same functions by name.
"$TOOL" do "Hide button window" || fail "do refused a function"
wait_for_state '.window.visible == false' "do hides"
"$TOOL" do "Change to Uppercase" || fail "do refused a quick fix"
wait_for_state '.groups[0].Buttons[0].Text == "THREE"' "do runs the quick fix"
wait_for_state '.window.visible == true' "the quick fix shows the window"
if "$TOOL" do "No such function" 2>/dev/null; then fail "do accepted an unknown name"; fi

"$TOOL" quit >/dev/null
wait_for_exit "$CVD_PID" 5 || fail "did not quit"
echo PASS
