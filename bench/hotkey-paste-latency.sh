#!/usr/bin/env bash
# Time from the Alt+P key press to the active clip's text arriving in a Tk
# text window, against the pauses the paste must make (50 ms + PasteDelay
# 100 ms + 4 key events x 10 ms = 190 ms; releasing a still-held Alt adds
# 10 ms). Usage: bench/hotkey-paste-latency.sh BUILD_DIR [N]
source "$(dirname "$0")/../tests/x11/lib.sh"
N=${2:-20}
start_display
start_tk_target
start_program
wait_for_window Corvinade >/dev/null || fail "no button window"
xdotool windowactivate --sync "$TK" >/dev/null 2>&1
copy_text "x"
wait_for_state '.groups[0].Buttons[0].Text == "x"' "the clip"
wait_for_state '.LastTarget.title == "tk-target"' "Tk as target"
samples=()
for i in $(seq "$N"); do
  t0=$(date +%s%N)
  xdotool key alt+p
  until [ "$(stat -c %s "$TK_OUT" 2>/dev/null)" = "$i" ]; do :; done
  samples+=($(( ($(date +%s%N) - t0) / 1000 )))
  sleep 0.2
done
printf '%s\n' "${samples[@]}" | sort -n | awk -v n="$N" '{a[NR]=$1} END {
  printf "Alt+P to text: median %.1f ms, min %.1f ms, max %.1f ms over %d pastes (mandated pauses: 190 ms)\n",
    a[int((n+1)/2)]/1000, a[1]/1000, a[n]/1000, n }'
"$TOOL" quit >/dev/null
