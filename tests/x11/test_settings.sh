#!/usr/bin/env bash
# Settings and buttons survive a restart: the program reads prepared files
# from its data folder, works by them (window place, "don't copy when
# hidden", a paste method typing into a terminal, Shift+Insert pasting) and
# writes everything back when it ends.
source "$(dirname "$0")/lib.sh"
start_display
DATA="$XDG_DATA_HOME/Corvinade"
mkdir -m 700 "$DATA"
printf '%s\r\n' '[Windows]' 'MainLeft=50' 'MainTop=60' '[Clipboard]' 'DontCopyWhenMinimized=1' \
  '[PasteKeys]' 'NumPasteKey=1' 'Title1=macro-term' 'Match1=1' 'Key1=typed: Ab,{Tab}é!{Enter}' 'Delay1=50' \
  '[Custom]' 'Keep=this' > "$DATA/corvinade.ini"

start_program
WIN=$(wait_for_window Corvinade) || fail "no button window: $(cat "$TEST_HOME/corvinade.log")"
[ "$(state_get '.window.x'),$(state_get '.window.y')" = "50,60" ] || fail "window at $(state_get '.window | "\(.x),\(.y)"')"
[ "$(state_get '.settings["corvinade.ini"].Clipboard.DontCopyWhenMinimized')" = true ] || fail "DontCopy not read"
[ "$(state_get '.directories.DataDir')" = "$DATA/" ] || fail "data folder $(state_get .directories.DataDir)"

# Hidden with "don't copy when hidden": copies are ignored; shown: taken.
xdotool mousemove $((50 + 80)) $((60 + 7))
xdotool click 1   # the caption's close button
wait_for_state '.window.visible == false' "window hidden by its close button"
# No tray and no notification service here: a message box says once how to
# get the window back.
BOX=$(wait_for_window Corvinade) || fail "no message box on how to get the window back"
xdotool windowactivate --sync "$BOX" >/dev/null 2>&1
xdotool key Return
for _ in $(seq 100); do xdotool search --onlyvisible --name '^Corvinade$' >/dev/null 2>&1 || break; sleep 0.05; done
copy_text "while hidden"
sleep 0.5
[ "$(state_get '.groups[0].Buttons[0].Text')" = "" ] || fail "a copy was taken while hidden"
"$CVD" >/dev/null 2>&1   # a second start shows the window again
wait_for_state '.window.visible' "window shown by a second start"
copy_text "while shown"
wait_for_state '.groups[0].Buttons[0].Text == "while shown"' "a copy while shown"

# A paste method whose title matches the terminal types its macro there.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
xterm -u8 -title macro-term -geometry 60x8+300+300 -e sh -c "stty -echo; cat > '$TEST_HOME/typed'" >/dev/null 2>&1 &
PIDS_TO_KILL+=($!)
TERM_WIN=$(wait_for_window macro-term) || fail "no xterm"
xdotool windowactivate --sync "$TERM_WIN" >/dev/null 2>&1
wait_for_state '.LastTarget.title == "macro-term"' "xterm as target"
WIN=$(wait_for_window Corvinade)
click_button "$WIN" 1
expected=$(printf 'typed: Ab,\t\xc3\xa9!')
wait_for_file_content "$TEST_HOME/typed" "$expected"
[ "$(focused_window)" = "$TERM_WIN" ] || fail "the paste took the focus from the xterm"

"$TOOL" quit >/dev/null
wait_for_exit "$CVD_PID" 5 || fail "did not quit"

# What was written: CR LF lines, unknown keys kept, positions and buttons stored.
grep -q $'^Keep=this\r$' "$DATA/corvinade.ini" || fail "unknown key lost: $(cat -A "$DATA/corvinade.ini" | head -40)"
grep -q $'^MainLeft=50\r$' "$DATA/corvinade.ini" || fail "MainLeft not written"
grep -q $'^DontCopyWhenMinimized=1\r$' "$DATA/corvinade.ini" || fail "DontCopy not written"
[ -f "$DATA/Network.ini" ] || fail "Network.ini not written"
"$TOOL" dump "$DATA/corvinade.dat" > "$TEST_HOME/dump.json" || fail "data file unreadable"
[ "$(jq -r '.groups[0].Buttons[0].Text' "$TEST_HOME/dump.json")" = "while shown" ] || fail "clip not saved"

# Shift+Insert mode (set in the data file) pastes into an xterm with its
# default resources, which paste the primary selection on Shift+Insert.
lines=$(wc -l < "$DATA/corvinade.dat")
sed -i "$((lines - 13))s/^0\r\$/1\r/" "$DATA/corvinade.dat"
"$TOOL" dump "$DATA/corvinade.dat" | jq -e '.groups[0].PasteKeyMode == 1' >/dev/null || fail "could not set Shift+Insert mode"
sed -i 's/^Title1=macro-term/Title1=no-such-window/' "$DATA/corvinade.ini"
start_program
wait_for_window Corvinade >/dev/null || fail "no button window after restart"
[ "$(state_get '.groups[0].Buttons[0].Text')" = "while shown" ] || fail "clip not loaded"
xterm -u8 -title plain-term -geometry 60x8+300+500 -e sh -c "stty -echo; cat > '$TEST_HOME/pasted'" >/dev/null 2>&1 &
PIDS_TO_KILL+=($!)
PLAIN=$(wait_for_window plain-term) || fail "no second xterm"
xdotool windowactivate --sync "$PLAIN" >/dev/null 2>&1
wait_for_state '.LastTarget.title == "plain-term"' "second xterm as target"
click_button "$(wait_for_window Corvinade)" 1
sleep 0.5
xdotool key --window "$PLAIN" Return
wait_for_file_content "$TEST_HOME/pasted" "while shown"
"$TOOL" quit >/dev/null
wait_for_exit "$CVD_PID" 5 || fail "did not quit"
echo PASS
