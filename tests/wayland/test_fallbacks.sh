#!/usr/bin/env bash
# A compositor without data-control, virtual keyboard and foreign-toplevel
# list (sway told to keep them from the program): every port stays on X11,
# the state says so, each loss is logged and told to the user in one notice
# at start, and copies made in X11 windows are still captured.
if [ -z "${CVD_PRIVATE_BUS:-}" ]; then
  exec env CVD_PRIVATE_BUS=1 dbus-run-session -- bash "$0" "$@"
fi
EXPECTED_WARNINGS='^corvinade\.wayland: warning: the compositor offers no (data-control|virtual keyboard|foreign-toplevel list): '
source "$(dirname "$0")/lib.sh"
start_sway
dbus-monitor --session "interface='org.freedesktop.Notifications',member='Notify'" >"$TEST_HOME/notices" 2>&1 &
PIDS_TO_KILL+=($!)
sleep 0.2
export CORVINADE_WAYLAND_IGNORE=zwlr_data_control_manager_v1,zwp_virtual_keyboard_manager_v1,zwlr_foreign_toplevel_manager_v1
start_program
wait_until_started >/dev/null
[ "$(state | jq -c .platform)" = '{"capture":"x11","paste":"x11","keys":"x11","windows":"x11","shortcuts":"x11"}' ] ||
  fail "platform: $(state | jq -c .platform)"
for lost in data-control virtual\ keyboard foreign-toplevel; do
  grep -q "corvinade.wayland: warning: the compositor offers no $lost" "$TEST_HOME/corvinade.log" ||
    fail "no log line for $lost: $(cat "$TEST_HOME/corvinade.log")"
done
for _ in $(seq 60); do
  grep -q 'corvinade-tool keys sway' "$TEST_HOME/notices" && break
  sleep 0.05
done
for told in 'no data-control protocol' 'no virtual-keyboard protocol' 'no foreign-toplevel protocol' \
  '"corvinade-tool keys sway" prints'; do
  grep -q "$told" "$TEST_HOME/notices" || fail "the notice does not say '$told': $(cat "$TEST_HOME/notices")"
done
# One notice for all of it, beside the first start's welcome.
[ "$(grep -c 'member=Notify' "$TEST_HOME/notices")" -eq 2 ] || fail "not one notice: $(cat "$TEST_HOME/notices")"

# An X11 window has the focus: its copies reach the program through XWayland.
xterm -T 'X11 window' -e sleep 60 &
PIDS_TO_KILL+=($!)
sleep 0.5
copy_text 'copied on X11'
wait_for_state '.groups[0].Buttons[0].Text == "copied on X11"' "the X11 copy"
echo ok
