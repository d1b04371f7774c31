#!/usr/bin/env bash
# On KDE Plasma's compositor (headless KWin) the program reads copies through
# data-control: a copy in a native Wayland window that has the focus becomes
# a clip, byte for byte; a click on a button through KWin's pointer leaves
# that window the focus.
source "$(dirname "$0")/lib.sh"
start_kwin
start_mouse
start_gtk_target
start_program
win=$(wait_until_started)
[ "$(state_get .platform.capture)" = "wayland:zwlr_data_control_manager_v1" ] ||
  fail "capture path: $(state_get .platform)"

texts=(
  'copied on KWin'
  'Grüße – 日本語 😀'
  $'two lines\nand a tab\there'
  '  surrounding spaces  '
)
for text in "${texts[@]}"; do
  gtk_copy "$text"
  wait_for_state ".groups[0].Buttons[0].Text == $(jq -n --arg t "$text" '$t')" "the copy of '$text'"
done
want=$(jq -nc '$ARGS.positional | reverse' --args "${texts[@]}")
[ "$(clip_texts | jq -c ".[:${#texts[@]}]")" = "$want" ] || fail "clips $(clip_texts), expected $want"

# A click on a button, through KWin's pointer: KWin leaves the GTK window the
# focus, and the button's text goes onto the clipboard for Ctrl+V there (no
# keyboard path here).
click_button_on_kwin "$win" 2
for _ in $(seq 100); do
  [ "$(wl-paste -n 2>/dev/null)" = "${texts[2]}" ] && break
  sleep 0.05
done
[ "$(wl-paste -n)" = "${texts[2]}" ] || fail "the clipboard holds '$(wl-paste -n)' after the click"
[ "$(cat "$GTK_OUT.focus")" = $'inactive\nactive' ] || fail "the GTK window lost the focus: $(cat "$GTK_OUT.focus")"
echo ok
