#!/usr/bin/env bash
# Groups and buttons from the button window, driven as a user would: the
# two context menus opened with a right click and worked from the keyboard,
# dialogs answered by typing, a button dragged onto another, a group
# exported and imported back; results checked in the state and the files.
source "$(dirname "$0")/lib.sh"
start_display
DATA="$XDG_DATA_HOME/Corvinade"
start_program
WIN=$(wait_until_started)

# The window's screen position; the selector row lies under the 15-pixel caption.
where() { eval "$(xdotool getwindowgeometry --shell "$WIN")"; }
keys() { for k in "$@"; do xdotool key "$k"; sleep 0.1; done; }
# Right click at a point and wait for the menu to map.
right_click_at() {
  xdotool mousemove "$1" "$2"
  sleep 0.2
  xdotool click 3
  sleep 0.5
}
group_menu() { where; right_click_at $((X + 20)) $((Y + 25)); }
button_menu() { where; right_click_at $((X + 45)) $((Y + 15 + 20 * $1 + 10)); }
# Waits for a dialog window by caption and types into it.
dialog() { wait_for_window "$1" >/dev/null || fail "no dialog '$1': $(state | head -c 300)"; sleep 0.3; }

sleep 1
copy_text "beta"
wait_for_state '.groups[0].Buttons[0].Text == "beta"' "first clip"
copy_text "alpha"
wait_for_state '.groups[0].Buttons[0].Text == "alpha"' "second clip"

# The window the user works in gets the keyboard back after each dialog.
start_tk_target
wait_for_state '.LastTarget.title == "tk-target"' "Tk window as target"

# "New Group" is the first entry; its name is typed into the input box.
group_menu
keys Down Return
dialog "Create New Group"
xdotool type --delay 20 "Work"
keys Return
wait_for_state '.CurrentGroup == "Work" and ([.groups[].Name] == ["Default","Work"])' "new group Work shown"
for _ in $(seq 40); do [ "$(focused_window)" = "$TK" ] && break; sleep 0.05; done
[ "$(focused_window)" = "$TK" ] || fail "the keyboard did not go back to the Tk window after the dialog"

# A right press on the selector's button goes round the groups; with Shift, backwards.
where
xdotool mousemove $((X + 80)) $((Y + 25)); sleep 0.2
xdotool click 3
wait_for_state '.CurrentGroup == "Default"' "next group after the last is the first"
xdotool keydown shift; sleep 0.2; xdotool click 3; sleep 0.2; xdotool keyup shift
wait_for_state '.CurrentGroup == "Work"' "Shift: previous group before the first is the last"
xdotool click 3
wait_for_state '.CurrentGroup == "Default"' "back to Default"

# "Make Permanent" on a clip button: third from the bottom of the button menu.
button_menu 1
keys Up Up Up Return
wait_for_state '.groups[0].NumPermButtons == 2 and .groups[0].Buttons[6].Text == "alpha"' "permanent copy of clip 1"
"$TOOL" dump "$DATA/corvinade.dat" | jq -e '.groups[0].Buttons[6].Text == "alpha"' >/dev/null \
  || fail "Make Permanent did not save"

# "New Button" on a permanent button: name, hint and text typed into the editor.
button_menu 6
keys Down Return
dialog 'Edit Button \[0 characters, 0 words, 0 lines\]'
xdotool type --delay 20 "Hello"; keys Tab
xdotool type --delay 20 "a hint"; keys Tab
xdotool type --delay 20 "greeting"; keys alt+o
wait_for_state '.groups[0].NumPermButtons == 3 and .groups[0].Buttons[6].Name == "Hello"
  and .groups[0].Buttons[6].Text == "greeting" and .groups[0].Buttons[6].Hint == "a hint"' "new button saved"

# Dragging clip 1 onto clip 3 with the right button moves it there.
where
xdotool mousemove $((X + 45)) $((Y + 15 + 30)); sleep 0.2
xdotool mousedown 3
for step in 1 2 3 4 5 6 7 8; do xdotool mousemove $((X + 45)) $((Y + 15 + 30 + step * 5)); sleep 0.05; done
xdotool mouseup 3
wait_for_state '[.groups[0].Buttons[0:3][].Text] == ["beta","","alpha"]' "clip 1 dragged onto clip 3"

# Export the group to a file typed into the save dialog (fifth from the bottom).
group_menu
keys Up Up Up Up Up Return
dialog "Export Group File"
xdotool key ctrl+a
xdotool type --delay 10 "$TEST_HOME/default.cgf"
keys Return
for _ in $(seq 100); do [ -s "$TEST_HOME/default.cgf" ] && break; sleep 0.05; done
[ -s "$TEST_HOME/default.cgf" ] || fail "no group file written"

# Import it back: the name exists, so "No" and a new name typed in.
group_menu
keys Up Up Up Up Up Up Return
dialog "Import Group File"
xdotool key ctrl+a
xdotool type --delay 10 "$TEST_HOME/default.cgf"
keys Return
dialog "Corvinade"
# Alt+N is the "Next button" shortcut key, held by the program: Tab to "No".
keys Tab space
dialog "Enter New Group Name"
xdotool key ctrl+a
xdotool type --delay 20 "Copy"
keys Return
wait_for_state '.CurrentGroup == "Copy" and ([.groups[].Name] == ["Default","Work","Copy"])' "group imported as Copy"
[ "$(state | jq -c '[.groups[2].Buttons[].Text]')" = "$(state | jq -c '[.groups[0].Buttons[].Text]')" ] \
  || fail "imported buttons differ: $(state | jq -c '[.groups[2].Buttons[].Text]')"

# "Delete Group" asks first; Return answers Yes. The first group shows next.
group_menu
keys Down Down Down Return
dialog "Corvinade"
keys Return
wait_for_state '.CurrentGroup == "Default" and ([.groups[].Name] == ["Default","Work"])' "Copy deleted"

"$TOOL" quit >/dev/null
wait_for_exit "$CVD_PID" 5 || fail "did not quit"
"$TOOL" dump "$DATA/corvinade.dat" > "$TEST_HOME/dump.json" || fail "data file unreadable"
jq -e '[.groups[].Name] == ["Default","Work"] and .groups[0].NumPermButtons == 3' "$TEST_HOME/dump.json" >/dev/null \
  || fail "data file after quit: $(jq -c '[.groups[] | {Name, NumPermButtons}]' "$TEST_HOME/dump.json")"
echo PASS
