#!/usr/bin/env bash
# The tests under the sanitizers, as CI runs them, each build in a folder of
# its own with only the targets it needs (clang: scripts/install-deps.sh dev):
#   build-asan  AddressSanitizer + UndefinedBehaviorSanitizer: every test,
#               the end-to-end ones included (the fuzz targets are built here
#               too; this is the build CI tests)
#   build-tsan  ThreadSanitizer: the parts that start threads (the data file
#               reader, the parallel decipher, the background read-ahead, the
#               paste's selection owner under Xvfb and its data-control owner
#               under a headless sway)
# Extra CMake arguments come from CMAKE_FLAGS (CI: -DCORVINADE_WERROR=ON).
# Usage: scripts/sanitize.sh [asan|tsan|all]
set -euo pipefail
cd "$(dirname "$0")/.."
WHAT=${1:-all}
JOBS=${JOBS:-$(nproc)}
read -r -a EXTRA <<<"${CMAKE_FLAGS:-}"
source scripts/sanitizer-options.sh

configure() {  # folder, sanitizers, more CMake arguments
  local dir=$1 sanitizers=$2
  shift 2
  cmake -S . -B "$dir" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCORVINADE_SANITIZE="$sanitizers" "$@" "${EXTRA[@]}" >/dev/null
}

if [ "$WHAT" = asan ] || [ "$WHAT" = all ]; then
  configure build-asan address,undefined -DCORVINADE_FUZZ=ON
  cmake --build build-asan -j "$JOBS"
  (cd build-asan && ctest --output-on-failure -j "$((JOBS + 2))")
fi

if [ "$WHAT" = tsan ] || [ "$WHAT" = all ]; then
  configure build-tsan thread
  cmake --build build-tsan -j "$JOBS" --target threaded_tests selection_owner_race data_control_owner_race
  build-tsan/threaded_tests --gtest_brief=1
  bash tests/x11/test_selection_owner.sh build-tsan
  bash tests/wayland/test_data_control_owner.sh build-tsan
fi
