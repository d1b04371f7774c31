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

cmake --build "$BUILD_DIR" -j "${JOBS:-$(nproc)}" --target "${NAMES[@]/#/fuzz_}"
status=0
for name in "${NAMES[@]}"; do
  target="$BUILD_DIR/fuzz_$name"
  work="$BUILD_DIR/corpus/$name"
  log="$BUILD_DIR/fuzz_$name.log"
  mkdir -p "$work"
  # A target may bring a dictionary of its input language.
  dict=()
  if [ -f "fuzz/$name.dict" ]; then dict=(-dict="fuzz/$name.dict"); fi
  if "$target" -max_total_time="$SECONDS_PER_TARGET" -timeout=10 -rss_limit_mb=1024 "${dict[@]}" \
       -artifact_prefix="$BUILD_DIR/crash-$name-" "$work" "fuzz/corpus/$name" >"$log" 2>&1; then
    echo "fuzz_$name: ok, $(grep -o 'Done [0-9]* runs' "$log" | tail -1 | cut -d' ' -f2) runs in ${SECONDS_PER_TARGET} s"
  else
    echo "fuzz_$name: FAILED (log: $log)"
    tail -n 30 "$log"
    status=1
  fi
done
exit $status
