#!/usr/bin/env bash
# Cost of the program at rest: an empty group, the pointer away from the
# window, no clipboard activity. Counts context switches of all its threads
# (voluntary + involuntary: each is a wake-up) and its CPU time over SECONDS.
# Usage: bench/idle.sh BUILD_DIR [SECONDS]
source "$(dirname "$0")/../tests/x11/lib.sh"
SECONDS_AT_REST=${2:-30}
start_display
start_program
wait_for_window Corvinade >/dev/null || fail "no window"
xdotool mousemove 5 5
sleep "${IDLE_SETTLE_S:-3}"  # start-up work (lock-out, first layout) settles

switches() {
  cat /proc/"$CVD_PID"/task/*/status 2>/dev/null |
    awk '/^(voluntary|nonvoluntary)_ctxt_switches/ {s += $2} END {print s}'
}
cpu_ticks() { awk '{print $14 + $15}' "/proc/$CVD_PID/stat"; }

s0=$(switches) c0=$(cpu_ticks) t0=$(date +%s%N)
sleep "$SECONDS_AT_REST"
s1=$(switches) c1=$(cpu_ticks) t1=$(date +%s%N)
hz=$(getconf CLK_TCK)
awk -v s=$((s1 - s0)) -v c=$((c1 - c0)) -v ns=$((t1 - t0)) -v hz="$hz" 'BEGIN {
  secs = ns / 1e9
  printf "at rest over %.0f s: %.1f wake-ups/s (%d in all), %.3f %% of a core\n", secs, s / secs, s, 100 * c / hz / secs
  printf "RESULT idle_wakeups %.1f\nRESULT idle_wakeup_count %d\nRESULT idle_cpu %.3f\n", s / secs, s, 100 * c / hz / secs }'
"$TOOL" quit >/dev/null
wait_for_exit "$CVD_PID" 5 || true
