#!/usr/bin/env bash
# Capture latency of the real program: from a copy with xclip to the clip
# appearing in the program's state (median and 95th percentile over N
# copies; the state is polled, which adds a few ms).
# Usage: bench/capture-latency.sh BUILD_DIR [N]
source "$(dirname "$0")/../tests/x11/lib.sh"
N=${2:-100}
start_display
start_program
wait_for_window Corvinade >/dev/null || fail "no window"
sleep 0.5  # past the start-up lock-out, which ignores copies
samples=()
for i in $(seq "$N"); do
  t0=$(date +%s%N)
  printf 'probe %s' "$i" | xclip -selection clipboard -i >/dev/null 2>&1
  deadline=$((t0 + 5000000000))
  until "$TOOL" state | grep -q "\"Text\": \"probe $i\""; do
    [ "$(date +%s%N)" -lt "$deadline" ] || fail "copy $i was not captured"
  done
  samples+=($(( ($(date +%s%N) - t0) / 1000 )))
  sleep 0.06  # past the 50 ms lock-out
done
printf '%s\n' "${samples[@]}" | sort -n | awk -v n="$N" '{a[NR]=$1} END {
  printf "capture latency over %d copies: median %.1f ms, p95 %.1f ms, min %.1f ms, max %.1f ms\n",
    n, a[int((n+1)/2)]/1000, a[int(n*0.95)]/1000, a[1]/1000, a[n]/1000
  printf "RESULT capture_ms %.1f\n", a[int((n+1)/2)]/1000 }'
"$TOOL" quit >/dev/null
