#!/usr/bin/env bash
# In a sway session a click on a button pastes exactly its text into the
# Wayland window the user worked in (keys through the virtual keyboard, the
# target activated through the compositor), and so does the shortcut
# function "Paste active button" run by corvinade-tool while the button
# window has the focus. The terminal paste's key macro types characters the
# keymap lacks, a held modifier and a named key around the paste keystroke.
source "$(dirname "$0")/lib.sh"
start_sway
mkdir -p -m 700 "$XDG_DATA_HOME/Corvinade"
# AdvWinTrack=0: the paste activates its target first.
printf '%s\r\n' '[Clipboard]' 'AdvWinTrack=0' '[Terminals]' 'PasteKey=«{Shift {Insert}}»Zü😀{Tab}' >"$XDG_DATA_HOME/Corvinade/corvinade.ini"
start_program
win=$(wait_until_started)
[ "$(state_get .platform.keys)" = "wayland:zwp_virtual_keyboard_manager_v1" ] || fail "keys path: $(state_get .platform)"

# foot is a terminal: the terminal paste keys go to it. cat writes what
# arrives, byte for byte, with the terminal in raw mode.
out="$TEST_HOME/pasted"
foot -T 'paste target' sh -c "stty raw -echo; exec cat >'$out'" >/dev/null 2>&1 &
PIDS_TO_KILL+=($!)
wait_for_state '.LastTarget.exe == "foot"' "foot as the target"

text='pasted – Grüße 😀 {braces} and ~!@#'
wl_copy_text "$text"
wait_for_state ".groups[0].Buttons[0].Text == $(jq -n --arg t "$text" '$t')" "the copy"
click_button "$win" 1
wait_for_file_content "$out" "«$text»Zü😀"$'\t'

wl_copy_text 'second'
wait_for_state '.groups[0].Buttons[0].Text == "second"' "the second copy"
# The button window has the focus now: the paste activates foot again.
swaymsg '[class=Corvinade] focus' >/dev/null || fail "the button window cannot take the focus"
"$TOOL" do "Paste active button" || fail "corvinade-tool do failed"
wait_for_file_content "$out" "«$text»Zü😀"$'\t'"«second»Zü😀"$'\t'
echo ok
