#!/usr/bin/env bash
# Typing speed of a paste method's key macro: 100 lowercase characters and
# Enter typed into an xterm, from the click to the line arriving, against
# the pauses the macro must make (50 ms + Delay 0 + 101 keystrokes x 20 ms).
# Usage: bench/macro-speed.sh BUILD_DIR [N]
source "$(dirname "$0")/../tests/x11/lib.sh"
N=${2:-5}
start_display
TEXT=$(head -c 100 /dev/zero | tr '\0' a)
mkdir -m 700 "$XDG_DATA_HOME/Corvinade"
printf '%s\r\n' '[PasteKeys]' 'NumPasteKey=1' 'Title1=macro-term' 'Match1=1' "Key1=${TEXT}{Enter}" 'Delay1=0' \
  > "$XDG_DATA_HOME/Corvinade/corvinade.ini"
xterm -title macro-term -geometry 60x8+300+300 -e sh -c "stty -echo; cat > '$TEST_HOME/typed'" >/dev/null 2>&1 &
PIDS_TO_KILL+=($!)
TERM_WIN=$(wait_for_window macro-term) || fail "no xterm"
xdotool windowactivate --sync "$TERM_WIN" >/dev/null 2>&1
start_program
WIN=$(wait_for_window Corvinade) || fail "no button window"
wait_for_state '.LastTarget.title == "macro-term"' "xterm as target"
eval "$(xdotool getwindowgeometry --shell "$WIN")"
xdotool mousemove --sync $((X + WIDTH / 2)) $((Y + 15 + 20 * 6 + 10))
samples=()
for i in $(seq "$N"); do
  t0=$(date +%s%N)
  xdotool click 1
  until [ "$(stat -c %s "$TEST_HOME/typed" 2>/dev/null)" = "$((101 * i))" ]; do sleep 0.001; done
  samples+=($(( ($(date +%s%N) - t0) / 1000000 )))
  sleep 0.3
done
echo "100-character macro: $(printf '%s ' "${samples[@]}")ms (mandated pauses: 2070 ms)"
"$TOOL" quit >/dev/null
