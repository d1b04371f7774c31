#!/usr/bin/env bash
# In a sway session a click on a button puts exactly its text on the
# Wayland clipboard and primary selection, served by the program while
# other programs read it, and the program does not capture its own paste.
# It ends cleanly while it holds the clipboard.
source "$(dirname "$0")/lib.sh"
start_sway
start_program
win=$(wait_until_started)

first='first – Grüße 😀'
wl_copy_text "$first"
wait_for_state '.groups[0].Buttons[0].Text == "first – Grüße 😀"' "the first copy"
wl_copy_text 'second'
wait_for_state '.groups[0].Buttons[0].Text == "second"' "the second copy"

# Button 2 holds the first copy.
click_button "$win" 2
wait_for_state '.pasting == false' "the paste to end"
[ "$(timeout 5 wl-paste --no-newline)" = "$first" ] || fail "clipboard holds '$(timeout 5 wl-paste --no-newline)'"
[ "$(timeout 5 wl-paste --primary --no-newline)" = "$first" ] || fail "primary holds '$(timeout 5 wl-paste -p -n)'"
# Read again, as a second target would: the program keeps serving it.
[ "$(timeout 5 wl-paste --no-newline --type UTF8_STRING)" = "$first" ] || fail "a second read failed"
# The paste is not a new copy.
[ "$(clip_texts | jq -c ".[:2]")" = "$(jq -nc '$ARGS.positional' --args second "$first")" ] || fail "clips after the paste: $(clip_texts)"
# The program ends cleanly while it still holds the clipboard.
"$TOOL" quit >/dev/null
wait_for_exit "$CVD_PID" 5 || fail "the program did not end"
echo ok
