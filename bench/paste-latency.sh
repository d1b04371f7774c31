#!/usr/bin/env bash
# Time from a click on a clip button to its text arriving in a Tk text
# window, beyond the pauses the paste makes before the target asks for the
# text (Tk pastes on the V press). Usage: bench/paste-latency.sh BUILD_DIR [N]
source "$(dirname "$0")/../tests/x11/lib.sh"
source "$(dirname "$0")/latency-lib.sh"
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
measure_clicks "$N" "$TK_OUT" paste
"$TOOL" quit >/dev/null
