#!/usr/bin/env bash
# Time from a click on a clip button to its text arriving in a Tk text
# window, against the pauses the paste must make (50 ms + PasteDelay 100 ms
# + 4 key events x 10 ms = 190 ms). Usage: bench/paste-latency.sh BUILD_DIR [N]
source "$(dirname "$0")/../tests/x11/lib.sh"
N=${2:-20}
start_display
start_tk_target
start_program
WIN=$(wait_for_window Corvinade) || fail "no button window"
sleep 0.5  # past the start-up lock-out, which ignores copies
copy_text "x"
wait_for_state '.groups[0].Buttons[0].Text == "x"' "the clip"
wait_for_state '.LastTarget.title == "tk-target"' "Tk as target"
eval "$(xdotool getwindowgeometry --shell "$WIN")"
xdotool mousemove --sync $((X + WIDTH / 2)) $((Y + 15 + 20 + 10))
samples=()
for i in $(seq "$N"); do
  t0=$(date +%s%N)
  xdotool click 1
  deadline=$((t0 + 5000000000))
  until [ "$(stat -c %s "$TK_OUT" 2>/dev/null)" = "$i" ]; do
    [ "$(date +%s%N)" -lt "$deadline" ] || fail "paste $i did not arrive"
  done
  samples+=($(( ($(date +%s%N) - t0) / 1000 )))
  sleep 0.2
done
printf '%s\n' "${samples[@]}" | sort -n | awk -v n="$N" '{a[NR]=$1} END {
  printf "click to text: median %.1f ms, min %.1f ms, max %.1f ms over %d pastes (mandated pauses: 190 ms)\n",
    a[int((n+1)/2)]/1000, a[1]/1000, a[n]/1000, n
  printf "RESULT paste_beyond_ms %.1f\n", a[int((n+1)/2)]/1000 - 190 }'
"$TOOL" quit >/dev/null
