#!/usr/bin/env bash
# The button window gets out of the way: a double click on its caption
# rolls it up and down, and after one idle minute it fades to the level in
# the settings file until a click makes it opaque again.
source "$(dirname "$0")/lib.sh"
start_display
DATA="$XDG_DATA_HOME/Corvinade"
mkdir -p "$DATA"
printf '%s\r\n' '[Windows]' 'MainLeft=100' 'MainTop=100' \
  '[Fade]' 'FadeOut=1' 'Rollup=0' 'Minimize=0' 'FadeTime=1' 'FadeLevel=100' > "$DATA/corvinade.ini"

xterm -title target-term -geometry 60x10+400+10 >/dev/null 2>&1 &
PIDS_TO_KILL+=($!)
TERM_WIN=$(wait_for_window target-term) || fail "xterm did not map"
xdotool windowactivate --sync "$TERM_WIN" >/dev/null 2>&1

start_program
WIN=$(wait_for_window Corvinade) || fail "no button window: $(cat "$TEST_HOME/corvinade.log")"
full_height=$(state_get .window.height)

# A double click on the caption rolls the window up, another one down.
double_click_caption() {
  eval "$(xdotool getwindowgeometry --shell "$WIN")"
  xdotool mousemove $((X + 20)) $((Y + 7))
  sleep 0.2
  xdotool click --repeat 2 --delay 80 1
}
double_click_caption
wait_for_state '.window.rolledUp' "rolled up by a double click"
[ "$(state_get .window.height)" -lt "$full_height" ] || fail "still $full_height high when rolled up"
double_click_caption
wait_for_state '.window.rolledUp == false' "rolled down by a second double click"
[ "$(state_get .window.height)" = "$full_height" ] || fail "height $(state_get .window.height) after rolling down"
idle_from=$(date +%s)
xdotool mousemove 5 1000   # away from the window: hovering is no use of it

# Idle: nothing before the minute is up, faded to 100 after it.
sleep 50
[ "$(state_get .window.fading)" = false ] || fail "fading after $(( $(date +%s) - idle_from )) s"
[ "$(state_get .window.opacity)" = 255 ] || fail "opacity $(state_get .window.opacity) before the idle time"
for _ in $(seq 40); do
  [ "$(state_get .window.opacity)" = 100 ] && break
  sleep 0.5
done
[ "$(state_get .window.opacity)" = 100 ] || fail "opacity $(state_get .window.opacity) after $(( $(date +%s) - idle_from )) s"
[ "$(state_get .window.fading)" = true ] || fail "not reported as faded"
opacity_prop=$(xprop -id "$WIN" _NET_WM_WINDOW_OPACITY)
echo "$opacity_prop" | grep -q '= [0-9]' || fail "no opacity property: $opacity_prop"
value=${opacity_prop##*= }
[ "$value" -gt 1600000000 ] && [ "$value" -lt 1770000000 ] || fail "opacity property $value is not 100/255"

# A click on a button: opaque at once, and the focus stays in the xterm.
eval "$(xdotool getwindowgeometry --shell "$WIN")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 5))
xdotool click 1
wait_for_state '.window.opacity == 255 and .window.fading == false' "opaque after a click"
[ "$(focused_window)" = "$TERM_WIN" ] || fail "the click took the focus from the xterm"
echo PASS
