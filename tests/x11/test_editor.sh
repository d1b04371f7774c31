#!/usr/bin/env bash
# The button editor, driven as a user would: "Edit Button" from the button
# menu, the text replaced by typing, OK from the keyboard; the keyboard goes
# back to the window the user works in and the button pastes its new text.
source "$(dirname "$0")/lib.sh"
start_display
start_tk_target
start_program
WIN=$(wait_until_started)
wait_for_state '.LastTarget.title == "tk-target"' "Tk window as target"

keys() { for k in "$@"; do xdotool key "$k"; sleep 0.1; done; }
eval "$(xdotool getwindowgeometry --shell "$WIN")"
# Right click on button 6 (the permanent one): the button menu; "Edit Button" is its second entry.
xdotool mousemove $((X + 45)) $((Y + 15 + 20 * 6 + 10))
sleep 0.2
xdotool click 3
sleep 0.5
keys Down Down Return
EDITOR=$(wait_for_window 'Edit Button \[40 characters, 8 words, 1 lines\]') || fail "no editor: $(state | head -c 300)"
for _ in $(seq 40); do [ "$(focused_window)" = "$EDITOR" ] && break; sleep 0.05; done
[ "$(focused_window)" = "$EDITOR" ] || fail "the editor did not take the keyboard"

# The text box has the keyboard: replace its text, two lines.
keys ctrl+a
xdotool type --delay 20 "edited"
keys Return
xdotool type --delay 20 "text"
wait_for_window 'Edit Button \[10 characters, 2 words, 2 lines\]' >/dev/null || fail "caption did not count the new text"
keys alt+o
wait_for_state '.groups[0].Buttons[5].Text == "edited\r\ntext"' "the new text stored"
for _ in $(seq 40); do [ "$(focused_window)" = "$TK" ] && break; sleep 0.05; done
[ "$(focused_window)" = "$TK" ] || fail "the keyboard did not go back to the Tk window"

click_button "$WIN" 6
# The Tk window shows the line break as it arrives; only the lines are compared.
for _ in $(seq 100); do [ "$(tr -d '\r' <"$TK_OUT" 2>/dev/null)" = "$(printf 'edited\ntext')" ] && break; sleep 0.05; done
[ "$(tr -d '\r' <"$TK_OUT")" = "$(printf 'edited\ntext')" ] || fail "pasted: '$(cat "$TK_OUT")'"
"$TOOL" quit >/dev/null
wait_for_exit "$CVD_PID" 5 || fail "did not quit"
# OK saved the data: the text is there after a restart.
start_program
wait_until_started >/dev/null
wait_for_state '.groups[0].Buttons[5].Text == "edited\r\ntext"' "the text kept after a restart"
"$TOOL" quit >/dev/null
wait_for_exit "$CVD_PID" 5 || fail "did not quit"
echo PASS
