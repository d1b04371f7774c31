#!/usr/bin/env bash
# The program starts on a real X server with a window manager: its button
# window is mapped above others and off the taskbar, a click on a button
# leaves the keyboard focus where it was, a second start hands over and
# ends, and SIGTERM ends the program cleanly.
source "$(dirname "$0")/lib.sh"
start_display

xterm -title target-term -geometry 60x10+10+10 >/dev/null 2>&1 &
PIDS_TO_KILL+=($!)
TERM_WIN=$(wait_for_window target-term) || fail "xterm did not map"
xdotool windowactivate --sync "$TERM_WIN" >/dev/null 2>&1 || xdotool windowfocus --sync "$TERM_WIN"

start_program
WIN=$(wait_for_window Corvinade) || fail "button window did not map: $(cat "$TEST_HOME/corvinade.log")"

net_state=$(xprop -id "$WIN" _NET_WM_STATE)
echo "$net_state" | grep -q _NET_WM_STATE_ABOVE || fail "not above: $net_state"
echo "$net_state" | grep -q _NET_WM_STATE_SKIP_TASKBAR || fail "not off the taskbar: $net_state"

# The state the tool reports.
[ "$(state_get .CurrentGroup)" = Default ] || fail "current group"
[ "$(state_get '.groups[0].Buttons | length')" = 6 ] || fail "button count"
[ "$(state_get .window.visible)" = true ] || fail "window not visible in state"

# A click on the permanent button (the last row) leaves the focus in the xterm.
focus_before=$(focused_window)
[ "$focus_before" = "$TERM_WIN" ] || fail "xterm did not have the focus before the click ($focus_before vs $TERM_WIN)"
eval "$(xdotool getwindowgeometry --shell "$WIN")"
xdotool mousemove --sync $((X + WIDTH / 2)) $((Y + HEIGHT - 5))
xdotool click 1
sleep 0.3
[ "$(focused_window)" = "$TERM_WIN" ] || fail "the click took the focus from the xterm"

# A second start hands over to the running copy and ends within 2 s.
start=$(date +%s%N)
"$CVD" >/dev/null 2>&1 &
second=$!
wait_for_exit "$second" 2 || fail "second start still running after 2 s"
wait "$second" || fail "second start exited with status $?"
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
echo "second start ended after ${elapsed_ms} ms"
[ "$(pgrep -c -x corvinade -U "$(id -u)" -P $$ || true)" -le 1 ] || fail "more than one copy runs"
kill -0 "$CVD_PID" || fail "the first copy ended"

# A screenshot of the screen for people to look at.
import -window root "$BUILD_DIR/e2e-startup.png" 2>/dev/null || true

# SIGTERM ends the program as Exit does.
kill -TERM "$CVD_PID"
wait_for_exit "$CVD_PID" 5 || fail "still running 5 s after SIGTERM"
wait "$CVD_PID" && status=0 || status=$?
[ "$status" = 0 ] || fail "exit status $status after SIGTERM"
"$TOOL" state >/dev/null 2>&1 && fail "the tool still reaches a program"
echo PASS
