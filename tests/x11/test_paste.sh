#!/usr/bin/env bash
# A click on a clip button pastes its text into the window the user works
# in, without taking the focus from it, and marks the button used.
source "$(dirname "$0")/lib.sh"
start_display
start_tk_target

start_program
WIN=$(wait_until_started)
TEXT='Grüße aus Köln – 1, 2, 3!'
copy_text "$TEXT"
wait_for_state ".groups[0].Buttons[0].Text == \"$TEXT\"" "the clip"
wait_for_state '.LastTarget.title == "tk-target"' "Tk window as target"

# A panel of the desktop that takes the focus never becomes the target.
xterm -title panel-like -geometry 20x2+0+0 -e sleep 60 >/dev/null 2>&1 &
PIDS_TO_KILL+=($!)
PANEL=$(wait_for_window panel-like) || fail "no panel window"
xprop -id "$PANEL" -f _NET_WM_WINDOW_TYPE 32a -set _NET_WM_WINDOW_TYPE _NET_WM_WINDOW_TYPE_DOCK
xdotool windowactivate --sync "$TK" >/dev/null 2>&1  # a new window takes the focus when it appears
wait_for_state '.LastTarget.title == "tk-target"' "Tk window as target again"
xdotool windowactivate --sync "$PANEL" >/dev/null 2>&1
[ "$(focused_window)" = "$PANEL" ] || fail "could not activate the panel"
sleep 1  # longer than target tracking ever waits
[ "$(state_get .LastTarget.title)" = tk-target ] || fail "a panel became the target"
xdotool windowactivate --sync "$TK" >/dev/null 2>&1
[ "$(focused_window)" = "$TK" ] || fail "Tk window lost the focus before the click"

click_button "$WIN" 1
wait_for_file_content "$TK_OUT" "$TEXT"
[ "$(focused_window)" = "$TK" ] || fail "the paste took the focus from the Tk window"
wait_for_state '.groups[0].Buttons[0].Used' "button marked used"
[ "$(state_get '.groups[0].Buttons | length')" = 6 ] || fail "the paste's own clipboard write became a clip"
[ "$(state_get '.groups[0].Buttons[1].Text')" = "" ] || fail "the paste's own clipboard write became a clip"

# The permanent button pastes its text and is never marked.
click_button "$WIN" 6
wait_for_file_content "$TK_OUT" "${TEXT}This is an example of a permanent button"
sleep 0.2
[ "$(state_get '.groups[0].Buttons[5].Used')" = false ] || fail "permanent button marked used"

"$TOOL" quit >/dev/null
wait_for_exit "$CVD_PID" 5 || fail "did not quit"

# Without advanced tracking the paste brings the target back first: with the
# focus moved away (onto the button window itself, which never becomes the
# target), the text still arrives in the Tk window.
printf '%s\r\n' '[Clipboard]' 'AdvWinTrack=0' > "$XDG_DATA_HOME/Corvinade/corvinade.ini"
start_program
WIN=$(wait_until_started)
xdotool windowactivate --sync "$TK" >/dev/null 2>&1
wait_for_state '.LastTarget.title == "tk-target"' "Tk window as target again"
xdotool windowfocus --sync "$WIN" >/dev/null 2>&1 || true
[ "$(focused_window)" != "$TK" ] || fail "could not move the focus away from the Tk window"
before=$(cat "$TK_OUT")
click_button "$WIN" 6
wait_for_file_content "$TK_OUT" "${before}This is an example of a permanent button"
[ "$(focused_window)" = "$TK" ] || fail "the target was not brought back"
"$TOOL" quit >/dev/null
wait_for_exit "$CVD_PID" 5 || fail "did not quit"
echo PASS
