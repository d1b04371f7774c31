#!/usr/bin/env bash
# A group tied to a program comes to the front when that program's window
# is activated, without taking the focus from it; locking the session hides
# the button window and unlocking shows it again. Runs on a private session
# bus, where the lock notices are the screen saver's.
if [ -z "${CVD_PRIVATE_BUS:-}" ]; then
  exec env CVD_PRIVATE_BUS=1 dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"
start_display
DATA="$XDG_DATA_HOME/Corvinade"

# A first run writes the data file; its group is then tied to xterm (the
# line after the group's name).
start_program
wait_for_window Corvinade >/dev/null || fail "no button window: $(cat "$TEST_HOME/corvinade.log")"
"$TOOL" quit >/dev/null
wait_for_exit "$CVD_PID" 5 || fail "first run did not end"
[ -f "$DATA/corvinade.dat" ] || fail "no data file written"
tie=$("$TOOL" encrypt xterm)
awk -v tie="$tie" 'NR == 4 { printf "%s\r\n", tie; next } { print }' "$DATA/corvinade.dat" > "$TEST_HOME/tied.dat"
mv "$TEST_HOME/tied.dat" "$DATA/corvinade.dat"
"$TOOL" dump "$DATA/corvinade.dat" | jq -e '.groups[0].MonitorApplication == "xterm"' >/dev/null ||
  fail "could not tie the group to xterm"

start_program
WIN=$(wait_for_window Corvinade) || fail "no button window on the second run"
[ "$(state_get '.groups[0].MonitorApplication')" = xterm ] || fail "tie not read"

# Hidden by its close button; an xterm that becomes active brings it back.
eval "$(xdotool getwindowgeometry --shell "$WIN")"
xdotool mousemove $((X + WIDTH - 7)) $((Y + 7))
xdotool click 1
wait_for_state '.window.visible == false' "window hidden by its close button"
xterm -title tied-term -geometry 60x10+400+300 >/dev/null 2>&1 &
PIDS_TO_KILL+=($!)
TERM_WIN=$(wait_for_window tied-term) || fail "xterm did not map"
xdotool windowactivate --sync "$TERM_WIN" >/dev/null 2>&1
wait_for_state '.window.visible' "window shown by activating xterm"
[ "$(state_get .LastTarget.exe)" = xterm ] || fail "target exe $(state_get .LastTarget.exe)"
sleep 0.5
[ "$(focused_window)" = "$TERM_WIN" ] || fail "the xterm lost the focus to $(focused_window)"

# Lock and unlock.
screen_saver() {
  dbus-send --session --type=signal /org/freedesktop/ScreenSaver org.freedesktop.ScreenSaver.ActiveChanged \
    "boolean:$1"
}
screen_saver true
wait_for_state '.window.visible == false' "window hidden by the lock"
screen_saver true   # a repeated notice changes nothing
sleep 0.3
screen_saver false
wait_for_state '.window.visible' "window shown after unlocking"
echo PASS
