#!/usr/bin/env bash
# In a sway session the paste's target is the last active toplevel outside
# the program, Wayland or X11 alike: its title and app_id are tracked, a
# click on the button window does not take its place, and the state names
# the foreign-toplevel protocol.
source "$(dirname "$0")/lib.sh"
start_sway
start_program
win=$(wait_until_started)
[ "$(state_get .platform.windows)" = "wayland:zwlr_foreign_toplevel_manager_v1" ] ||
  fail "windows path: $(state_get .platform)"

target_is() {
  wait_for_state ".LastTarget.exe == \"$1\" and .LastTarget.title == \"$2\"" "target $1 '$2'; tree: $(swaymsg -t get_tree | jq -c '[.. | objects | select(.pid?) | {app_id, class: .window_properties.class?, name, focused}]')"
}

foot -a cvd-first -T 'First — Wayland' sh -c 'sleep 60' >/dev/null 2>&1 &
PIDS_TO_KILL+=($!)
target_is cvd-first 'First — Wayland'

# An X11 program on XWayland is a target too (its class stands for the app_id).
xterm -class CvdXterm -T 'X11 target' -e sleep 60 &
PIDS_TO_KILL+=($!)
target_is CvdXterm 'X11 target'

swaymsg '[app_id=cvd-first] focus' >/dev/null
target_is cvd-first 'First — Wayland'

# Our own window never becomes the target, even with the focus.
swaymsg "[class=Corvinade] focus" >/dev/null || fail "no window of class Corvinade"
sleep 0.3
target_is cvd-first 'First — Wayland'
echo ok
