#!/usr/bin/env bash
# The button window gets out of the way: a double click on its caption
# rolls it up and down, and after one idle minute it fades to the level in
# the settings file until a click makes it opaque again.
source "$(dirname "$0")/lib.sh"
start_display
DATA="$XDG_DATA_HOME/Corvinade"
mkdir -m 700 "$DATA"
printf '%s\r\n' '[Fade]' 'FadeOut=1' 'FadeTime=1' 'FadeLevel=100' > "$DATA/corvinade.ini"
xterm -title target-term -geometry 60x10+400+10 >/dev/null 2>&1 &
PIDS_TO_KILL+=($!)
TERM_WIN=$(wait_for_window target-term) || fail "xterm did not map"
xdotool windowactivate --sync "$TERM_WIN" >/dev/null 2>&1
start_program
WIN=$(wait_until_started)

for rolled in true false; do
  eval "$(xdotool getwindowgeometry --shell "$WIN")"
  xdotool mousemove $((X + 20)) $((Y + 7)) sleep 0.2 click --repeat 2 --delay 80 1
  wait_for_state ".window.rolledUp == $rolled" "rolledUp $rolled after a double click on the caption"
done
xdotool mousemove 5 1000   # hovering is no use of the window
sleep 50
[ "$(state_get '.window | "\(.opacity) \(.fading)"')" = "255 false" ] || fail "faded within the idle minute"
for _ in $(seq 40); do
  [ "$(state_get '.window | "\(.opacity) \(.fading)"')" = "100 true" ] && break
  sleep 0.5
done
[ "$(state_get '.window | "\(.opacity) \(.fading)"')" = "100 true" ] || fail "not faded: $(state_get .window)"
value=$(xprop -id "$WIN" _NET_WM_WINDOW_OPACITY | sed -n 's/.*= //p')
[ "${value:-0}" -gt 1600000000 ] && [ "$value" -lt 1770000000 ] || fail "opacity property '$value' is not 100/255"

# A click on a button: opaque at once, and the focus stays in the xterm.
eval "$(xdotool getwindowgeometry --shell "$WIN")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 5)) click 1
wait_for_state '.window.opacity == 255 and .window.fading == false' "opaque after a click"
[ "$(focused_window)" = "$TERM_WIN" ] || fail "the click took the focus from the xterm"
echo PASS
