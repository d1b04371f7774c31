#!/usr/bin/env bash
# A pasted text is served while the paste still sleeps before its keystroke
# (here a 3 s delay), on both selections, and a text of 1 MB arrives whole.
source "$(dirname "$0")/lib.sh"
start_display
DATA="$XDG_DATA_HOME/Corvinade"
mkdir -m 700 "$DATA"
printf '%s\r\n' '[PasteKeys]' 'NumPasteKey=1' 'Title1=tk-target' 'Match1=3' 'Key1=x' 'Delay1=3000' \
  > "$DATA/corvinade.ini"
start_tk_target
start_program
WIN=$(wait_until_started)
sleep 0.2  # past the start-up lock-out
BIG="$TEST_HOME/big.txt"
head -c 760000 /dev/urandom | base64 -w 76 > "$BIG"
truncate -s 1000000 "$BIG"
xclip -selection clipboard -i "$BIG" >/dev/null 2>&1
wait_for_state '.groups[0].Buttons[0].Text | length == 1000000' "the big clip"
copy_text "small"   # the clipboard holds something else before the paste
wait_for_state '[.groups[0].Buttons[].Text] | index("small") != null' "the small clip"
BUTTON=$(state_get '[.groups[0].Buttons[].Text | length] | index(1000000)')
wait_for_state '.LastTarget.title == "tk-target"' "Tk window as target"

# Reads selection $1 during the paste's delay; the paste's own thread answers.
read_during_pause() {
  timeout 2 xclip -o -selection "$1" > "$TEST_HOME/read.txt" || fail "$1 not answered during the pause"
}
click_button "$WIN" 6
sleep 0.3
read_during_pause clipboard
[ "$(cat "$TEST_HOME/read.txt")" = "This is an example of a permanent button" ] || fail "clipboard: $(cat "$TEST_HOME/read.txt")"
read_during_pause primary
[ "$(cat "$TEST_HOME/read.txt")" = "This is an example of a permanent button" ] || fail "primary: $(cat "$TEST_HOME/read.txt")"
wait_for_file_content "$TK_OUT" "x"

click_button "$WIN" $((BUTTON + 1))
sleep 0.3
read_during_pause clipboard
cmp -s "$BIG" "$TEST_HOME/read.txt" || fail "the big text came back as $(wc -c < "$TEST_HOME/read.txt") other bytes"
wait_for_file_content "$TK_OUT" "xx"
[ "$(clip_texts | jq 'map(select(length == 1000000)) | length')" = 1 ] || fail "the pasted text became a clip again"
"$TOOL" quit >/dev/null
wait_for_exit "$CVD_PID" 5 || fail "did not quit"
echo PASS
