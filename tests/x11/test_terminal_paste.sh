#!/usr/bin/env bash
# Terminals do not paste on Ctrl+V: a click on a button pastes into xterm
# and rxvt-unicode with their default settings all the same, by their
# window class, and the focus stays in the terminal. The list is written to
# the settings file, where a user can add a terminal.
source "$(dirname "$0")/lib.sh"
start_display
export LANG=C.UTF-8 LC_ALL=C.UTF-8

start_program
WIN=$(wait_for_window Corvinade) || fail "no button window: $(cat "$TEST_HOME/corvinade.log")"
wait_for_state .window.visible
sleep 0.2  # past the start-up lock-out
TEXT='Grüße, 1 2 3 $HOME'
copy_text "$TEXT"
wait_for_state ".groups[0].Buttons[0].Text == \"$TEXT\"" "the clip"

# Starts a terminal titled $1 ($2.. is its command up to -e) that copies
# what it receives into a file, pastes the clip into it and checks both.
paste_into() {
  local title=$1 out="$TEST_HOME/$1.out" term
  shift
  "$@" -title "$title" -geometry 60x8+300+300 -e sh -c "stty -echo -icanon; exec cat > '$out'" >/dev/null 2>&1 &
  PIDS_TO_KILL+=($!)
  term=$(wait_for_window "$title") || fail "no $title window"
  xdotool windowactivate --sync "$term" >/dev/null 2>&1
  wait_for_state ".LastTarget.title == \"$title\"" "$title as target"
  click_button "$WIN" 1
  wait_for_file_content "$out" "$TEXT"
  [ "$(focused_window)" = "$term" ] || fail "the paste took the focus from $title"
}
paste_into xterm-target xterm
paste_into urxvt-target urxvt

"$TOOL" quit >/dev/null
wait_for_exit "$CVD_PID" 5 || fail "did not quit"
INI="$XDG_DATA_HOME/Corvinade/corvinade.ini"
grep -q $'^\[Terminals\]\r$' "$INI" || fail "no [Terminals] section: $(cat "$INI")"
grep -q $'^Class1=XTerm\r$' "$INI" || fail "terminal list not written"
echo PASS
