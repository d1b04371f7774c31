#!/usr/bin/env bash
# A data folder on a full disk: the user is told at once (a desktop notice,
# once), clips go on being captured, and once the disk has room again they
# are journalled, so that they come back after a kill -9. Runs on a private
# session bus, where the notice is seen on its way to the notification
# service, and on a small RAM disk mounted over the data folder.
if [ -z "${CVD_PRIVATE_BUS:-}" ]; then
  exec env CVD_PRIVATE_BUS=1 dbus-run-session -- bash "$0" "$@"
fi
EXPECTED_WARNINGS='corvinade\.journal: warning: cannot journal new clips: .*No space left on device'
source "$(dirname "$0")/lib.sh"
DATA="$XDG_DATA_HOME/Corvinade"
mkdir -m 700 "$DATA"
if ! mount -t tmpfs -o size=512k,mode=700 tmpfs "$DATA" 2>"$TEST_HOME/mount.err"; then
  echo "SKIP: cannot mount a small RAM disk here (not root?): $(cat "$TEST_HOME/mount.err")"
  exit 0
fi
trap 'status=$?; umount -l "$DATA" 2>/dev/null; (exit $status); cleanup' EXIT

dbus-monitor --session "interface='org.freedesktop.Notifications',member='Notify'" >"$TEST_HOME/notices" 2>&1 &
PIDS_TO_KILL+=($!)
notices() { grep -c 'clip journal' "$TEST_HOME/notices" || true; }

start_display
start_and_wait() {
  start_program
  wait_for_window Corvinade >/dev/null || fail "no button window: $(cat "$TEST_HOME/corvinade.log")"
  wait_for_state .window.visible
}
# Clips of 8 KiB, so that each needs pages the full disk does not have.
copy_and_wait() {
  copy_text "$1-$(head -c 8192 /dev/zero | tr '\0' x)"
  wait_for_state ".groups[0].Buttons[0].Text | startswith(\"$1-x\")" "clip $1"
  sleep 0.1
}
clip_names() { state | jq -c '.groups[0] as $g | [$g.Buttons[:$g.NumClipButtons][].Text | split("-")[0] // ""]'; }

start_and_wait
copy_and_wait before
dd if=/dev/zero of="$DATA/filler" bs=4k >/dev/null 2>&1 || true
for t in one two three; do copy_and_wait "$t"; done
wait_for_state '.unjournalled == 3' "three clips only in memory"
for _ in $(seq 100); do [ "$(notices)" -ge 1 ] && break; sleep 0.05; done
[ "$(notices)" = 1 ] || fail "expected one notice about the journal, saw $(notices): $(cat "$TEST_HOME/notices")"

rm -f "$DATA/filler"
wait_for_state '.unjournalled == 0' "the clips journalled once the disk has room"
kill -9 "$CVD_PID"
wait_for_exit "$CVD_PID" || fail "still running after kill -9"
start_and_wait
expected='["three","two","one","before",""]'
[ "$(clip_names)" = "$expected" ] || fail "after kill -9: $(clip_names)"
[ "$(stat -c %a "$DATA/corvinade.jnl")" = 600 ] || fail "journal mode $(stat -c %a "$DATA/corvinade.jnl")"
"$TOOL" quit
wait_for_exit "$CVD_PID" || fail "no exit after quit"
echo "journal on a full disk ok"
