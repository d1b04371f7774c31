#!/usr/bin/env bash
# Capture latency of the real program: from a copy with xclip to the clip
# appearing in the program's state (median and 95th percentile over N
# copies; the state is polled, which adds a few ms).
# Usage: bench/capture-latency.sh BUILD_DIR [N]
source "$(dirname "$0")/../tests/x11/lib.sh"
source "$(dirname "$0")/latency-lib.sh"
N=${2:-100}
start_display
start_program
wait_for_window Corvinade >/dev/null || fail "no window"
sleep 0.5  # past the start-up lock-out, which ignores copies
xclip_copy() { printf '%s' "$1" | xclip -selection clipboard -i >/dev/null 2>&1; }
measure_copies "$N" xclip_copy "capture latency" capture_ms
"$TOOL" quit >/dev/null
