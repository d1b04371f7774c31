#!/usr/bin/env bash
# Time from a click on a clip button to its text arriving in a Tk text
# window, against the pauses the paste makes before the target asks for the
# text: 50 ms + PasteDelay 100 ms + 10 ms after Ctrl goes down = 160 ms (Tk
# pastes on the V press; the 20 ms after V and after Ctrl's release come
# later). Timed from the moment xdotool has sent the click, so that its own
# start is left out (given apart). Usage: bench/paste-latency.sh BUILD_DIR [N]
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
# Timed with bash built-ins only: a fork per poll costs milliseconds on a
# busy machine. The click is a press and a release at once (xdotool's own
# click holds the button 12 ms).
samples=() tools=()
for i in $(seq "$N"); do
  started=${EPOCHREALTIME/./}
  xdotool mousedown 1 mouseup 1
  t0=${EPOCHREALTIME/./}
  tools+=($((t0 - started)))
  deadline=$((t0 + 5000000))
  content=
  until [ "${#content}" = "$i" ]; do
    [ "${EPOCHREALTIME/./}" -lt "$deadline" ] || fail "paste $i did not arrive"
    IFS= read -r -d '' content <"$TK_OUT" || true
  done
  samples+=($((${EPOCHREALTIME/./} - t0)))
  sleep 0.2
done
tool_ms=$(printf '%s\n' "${tools[@]}" | sort -n | awk '{a[NR]=$1} END {printf "%.1f", a[int((NR+1)/2)]/1000}')
printf '%s\n' "${samples[@]}" | sort -n | awk -v n="$N" -v tool="$tool_ms" '{a[NR]=$1} END {
  printf "click to text: median %.1f ms, min %.1f ms, max %.1f ms over %d pastes (pauses before the text: 160 ms; xdotool itself: median %.1f ms more)\n",
    a[int((n+1)/2)]/1000, a[1]/1000, a[n]/1000, n, tool
  printf "RESULT paste_beyond_ms %.1f\nRESULT paste_tool_ms %s\n", a[int((n+1)/2)]/1000 - 160, tool }'
"$TOOL" quit >/dev/null
