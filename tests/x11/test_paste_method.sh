#!/usr/bin/env bash
# A window-specific paste method made on the settings' "Shortcuts" page with
# the keyboard: "New" takes the terminal the user activates next, its key
# macro is typed in, "Test" pastes "Paste Test" into the terminal, and a
# click on a button pastes through the method.
source "$(dirname "$0")/lib.sh"
start_display
export LANG=C.UTF-8 LC_ALL=C.UTF-8

start_program
WIN=$(wait_until_started)
TEXT='pm 1 2 3'
copy_text "$TEXT"
wait_for_state ".groups[0].Buttons[0].Text == \"$TEXT\"" "the clip"

OUT="$TEST_HOME/term.out"
xterm -title pm-target -geometry 60x8+300+500 -e sh -c "stty -echo -icanon; exec cat > '$OUT'" >/dev/null 2>&1 &
PIDS_TO_KILL+=($!)
TERM_WIN=$(wait_for_window pm-target) || fail "no terminal"

"$TOOL" setup shortcuts >/dev/null || fail "the tool could not ask for the page"
PAGE=$(wait_for_window "Corvinade Settings") || fail "no settings dialog: $(cat "$TEST_HOME/corvinade.log")"
PASTE_KEYS='.settings["corvinade.ini"].PasteKeys'

# Waits until the active window is (=) or is not (!=) the page.
page_active() {
  for _ in $(seq 100); do
    [ "$(xdotool getactivewindow 2>/dev/null)" "$1" "$PAGE" ] && return 0
    sleep 0.05
  done
  fail "$2"
}

# Presses a key in the page, confirms the notice that follows with Enter and,
# once the page has the focus again (the wait runs), activates the terminal.
press_and_pick_terminal() {
  xdotool windowactivate --sync "$PAGE" >/dev/null 2>&1
  xdotool key "$1"
  page_active != "no notice after $1"
  xdotool key Return
  page_active = "the notice after $1 did not close"
  xdotool windowactivate --sync "$TERM_WIN" >/dev/null 2>&1
}

press_and_pick_terminal alt+w
wait_for_state "$PASTE_KEYS.NumPasteKey == 3 and $PASTE_KEYS.Title3 == \"pm-target\"" "a method for the terminal"

# The key macro: Alt+O moves to the box and selects its text; brackets around
# xterm's own paste keystroke show that the method pasted.
xdotool windowactivate --sync "$PAGE" >/dev/null 2>&1
xdotool key alt+o
xdotool type --delay 20 '[{Shift {Insert}}]'
wait_for_state "$PASTE_KEYS.Key3 == \"[{Shift {Insert}}]\"" "the typed key macro"

press_and_pick_terminal alt+t
wait_for_file_content "$OUT" "[Paste Test]"

# The dialog is modal: it closes (Escape) before the button window takes a click.
xdotool windowactivate --sync "$PAGE" >/dev/null 2>&1
xdotool key Escape
xdotool windowactivate --sync "$TERM_WIN" >/dev/null 2>&1
wait_for_state ".LastTarget.title == \"pm-target\"" "the terminal as target"
click_button "$WIN" 1
wait_for_file_content "$OUT" "[Paste Test][$TEXT]"

"$TOOL" quit >/dev/null
wait_for_exit "$CVD_PID" 5 || fail "did not quit"
grep -q $'^Title3=pm-target\r$' "$XDG_DATA_HOME/Corvinade/corvinade.ini" || fail "the method was not saved"
echo PASS
