#!/usr/bin/env bash
# In a sway session, copies made in Wayland windows reach the program while
# a Wayland window has the focus, byte for byte; text-less copies are not
# taken; the state names the compositor's clipboard protocol.
source "$(dirname "$0")/lib.sh"
start_sway
start_program
wait_until_started >/dev/null

[ "$(state_get .platform.capture)" = "wayland:zwlr_data_control_manager_v1" ] ||
  fail "capture path: $(state_get .platform)"

# A Wayland window has the focus: foot, sway's own terminal.
foot -a cvd-foot sh -c 'sleep 60' >/dev/null 2>&1 &
PIDS_TO_KILL+=($!)

texts=(
  'plain Wayland copy'
  'Grüße – 日本語 😀'
  $'two lines\nand a tab\there'
  '  surrounding spaces  '
)
expected=()
for text in "${texts[@]}"; do
  wl_copy_text "$text"
  expected=("$text" "${expected[@]}")
  want=$(jq -nc '$ARGS.positional' --args "${expected[@]}")
  for _ in $(seq 100); do
    [ "$(clip_texts | jq -c ".[:${#expected[@]}]")" = "$want" ] && break
    sleep 0.05
  done
  [ "$(clip_texts | jq -c ".[:${#expected[@]}]")" = "$want" ] || fail "clips $(clip_texts), expected $want"
done

# A copy inside a Wayland window: foot puts what its program writes with
# OSC 52 on the clipboard as its own selection (only once its window has
# the focus).
native='copied inside foot – ünïcödé ✓'
foot -a cvd-osc sh -c "sleep 1; printf '\033]52;c;%s\a' '$(printf '%s' "$native" | base64 -w0)'; sleep 60" >/dev/null 2>&1 &
PIDS_TO_KILL+=($!)
wait_for_state ".groups[0].Buttons[0].Text == $(jq -n --arg t "$native" '$t')" "the copy inside foot"

# A copy without text (an image) is not read.
before=$(clip_texts)
printf '\x89PNG\r\n' | wl-copy --type image/png
sleep 0.5
[ "$(clip_texts)" = "$before" ] || fail "a copy without text became a clip: $(clip_texts)"
echo ok
