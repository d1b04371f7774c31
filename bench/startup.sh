#!/usr/bin/env bash
# Start-up time of the real program to its first mapped button window
# (median of N starts) and its resident memory after start, under a
# private Xvfb + openbox.  Usage: bench/startup.sh BUILD_DIR [N]
source "$(dirname "$0")/../tests/x11/lib.sh"
N=${2:-10}
start_display
times=()
for i in $(seq "$N"); do
  t0=$(date +%s%N)
  start_program
  wait_for_window Corvinade >/dev/null || fail "no window"
  t1=$(date +%s%N)
  times+=($(( (t1 - t0) / 1000000 )))
  if [ "$i" = "$N" ]; then
    sleep 1
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$CVD_PID/status")
  fi
  "$TOOL" quit >/dev/null
  wait_for_exit "$CVD_PID" 5 || fail "did not quit"
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
median=$(echo "$sorted" | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}')
echo "start-up to mapped window: median ${median} ms over $N starts (all: $(echo $sorted | tr '\n' ' '))"
echo "resident memory after start: ${rss} KiB"
echo "RESULT startup_ms $median"
echo "RESULT startup_rss_kib $rss"
