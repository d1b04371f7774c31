#!/usr/bin/env bash
# The button window keeps its window-manager state through every hide and
# show: above other windows, and neither in the taskbar nor in the pager.
source "$(dirname "$0")/lib.sh"
start_display
start_program
WIN=$(wait_until_started)

expect_tool_window() {
  local when=$1 net atom
  net=$(xprop -id "$WIN" _NET_WM_STATE)
  for atom in _NET_WM_STATE_SKIP_TASKBAR _NET_WM_STATE_SKIP_PAGER _NET_WM_STATE_ABOVE; do
    grep -q "$atom" <<<"$net" || fail "$when: $atom is missing from $net"
  done
}

expect_tool_window "at start"
# Each way back in: a shortcut function (as the tray icon's click does) and a second start.
for show in 'do "Show button window"' 'second start'; do
  "$TOOL" do "Hide button window"
  wait_for_state '.window.visible == false' "hidden before: $show"
  if [ "$show" = 'second start' ]; then "$CVD" >/dev/null 2>&1; else "$TOOL" do "Show button window"; fi
  wait_for_state '.window.visible' "shown by: $show"
  WIN=$(wait_for_window Corvinade) || fail "no mapped button window after: $show"
  sleep 0.2  # the window manager writes its state after the map
  expect_tool_window "hidden, then shown by $show"
done
echo PASS
