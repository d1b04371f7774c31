#!/usr/bin/env bash
# Button search in the real dialog over a group of 1000 buttons: Alt+F3
# opens it with the keyboard in the search box, typing finds the button
# numbered 1000, Down and Return paste it into the window the user worked
# in, which has the keyboard again.
source "$(dirname "$0")/lib.sh"
GEN="$BUILD_DIR/corvinade_bigdata"
[ -x "$GEN" ] || fail "no data generator at $GEN (build the corvinade_bigdata target)"
DATA="$XDG_DATA_HOME/Corvinade"
mkdir -m 700 "$DATA"
"$GEN" "$DATA" 1 1000 || fail "could not write the data file"
printf '[Windows]\r\nShowOnStart=1\r\n' >"$DATA/corvinade.ini"
start_display
start_tk_target
start_program
wait_until_started >/dev/null
xdotool windowactivate --sync "$TK" >/dev/null 2>&1
wait_for_state '.LastTarget.title == "tk-target"' "Tk window as target"
[ "$(state_get '.groups[0].Buttons | length')" = 1000 ] || fail "the group does not hold 1000 buttons"

xdotool key alt+F3
SEARCH=$(wait_for_window Search) || fail "no search dialog: $(cat "$TEST_HOME/corvinade.log")"
for _ in $(seq 100); do [ "$(focused_window)" = "$SEARCH" ] && break; sleep 0.05; done
[ "$(focused_window)" = "$SEARCH" ] || fail "the search dialog did not take the keyboard"
xdotool type --delay 30 '1000 of'
sleep 1
xdotool key Down
sleep 0.2
xdotool key Return

expected='Text 1000 of group 1 '
while [ ${#expected} -lt 100 ]; do expected+=x; done
wait_for_file_content "$TK_OUT" "$expected"
xdotool search --onlyvisible --name '^Search$' >/dev/null 2>&1 && fail "the dialog stayed open"
[ "$(focused_window)" = "$TK" ] || fail "the Tk window did not get the keyboard back"

"$TOOL" quit >/dev/null
wait_for_exit "$CVD_PID" 10 || fail "did not quit"
grep -q '^\[SearchWindow\]' "$DATA/corvinade.ini" || fail "the dialog did not store its place"
echo PASS
