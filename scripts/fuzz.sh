#!/usr/bin/env bash
# Builds every fuzz target in a folder configured with CORVINADE_FUZZ and
# runs each for a bounded time, starting from the seeds in fuzz/corpus/ (new
# inputs go to the build folder, never into the sources).
# Usage: scripts/fuzz.sh BUILD_DIR SECONDS_PER_TARGET
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${1:-build-fuzz}
SECONDS_PER_TARGET=${2:-20}
NAMES=(decrypt data_file group_file settings_file quick_fix share_file journal)

JOBS=${JOBS:-$(nproc)}

cmake --build "$BUILD_DIR" -j "$JOBS" --target "${NAMES[@]/#/fuzz_}"

# One target for the bounded time; its report line, or its log's tail.
fuzz_one() {
  local name=$1 target="$BUILD_DIR/fuzz_$1" work="$BUILD_DIR/corpus/$1" log="$BUILD_DIR/fuzz_$1.log"
  mkdir -p "$work"
  # A target may bring a dictionary of its input language.
  local dict=()
  if [ -f "fuzz/$name.dict" ]; then dict=(-dict="fuzz/$name.dict"); fi
  if "$target" -max_total_time="$SECONDS_PER_TARGET" -timeout=10 -rss_limit_mb=1024 "${dict[@]}" \
       -artifact_prefix="$BUILD_DIR/crash-$name-" "$work" "fuzz/corpus/$name" >"$log" 2>&1; then
    echo "fuzz_$name: ok, $(grep -o 'Done [0-9]* runs' "$log" | tail -1 | cut -d' ' -f2) runs in ${SECONDS_PER_TARGET} s"
  else
    echo "fuzz_$name: FAILED (log: $log)"
    tail -n 30 "$log"
    return 1
  fi
}

# As many targets at a time as there are cores: each fuzzer uses one.
status=0
running=0
for name in "${NAMES[@]}"; do
  if [ "$running" -ge "$JOBS" ]; then
    wait -n || status=1
    running=$((running - 1))
  fi
  fuzz_one "$name" &
  running=$((running + 1))
done
while [ "$running" -gt 0 ]; do
  wait -n || status=1
  running=$((running - 1))
done
exit $status
