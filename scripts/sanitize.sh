#!/usr/bin/env bash
# The tests under the sanitizers, as CI runs them, each build in a folder of
# its own with only the targets it needs (clang: scripts/install-deps.sh dev):
#   build-asan  AddressSanitizer + UndefinedBehaviorSanitizer: the core and
#               widget tests (the fuzz targets are built here too)
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

configure() {  # folder, sanitizers, more CMake arguments
  local dir=$1 sanitizers=$2
  shift 2
  # -O1 keeps the tests quick and the stacks readable; line tables are all
  # the reports need, and build much faster than full debug information.
  cmake -S . -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE= \
    -DCMAKE_CXX_FLAGS="-O1 -gline-tables-only" \
    -DCORVINADE_SANITIZE="$sanitizers" "$@" "${EXTRA[@]}" >/dev/null
}

if [ "$WHAT" = asan ] || [ "$WHAT" = all ]; then
  configure build-asan address,undefined -DCORVINADE_FUZZ=ON
  cmake --build build-asan -j "$JOBS" --target core_tests ui_tests
  export ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1
  export UBSAN_OPTIONS=print_stacktrace=1
  build-asan/core_tests --gtest_brief=1
  QT_QPA_PLATFORM=offscreen build-asan/ui_tests --gtest_brief=1
fi

if [ "$WHAT" = tsan ] || [ "$WHAT" = all ]; then
  configure build-tsan thread
  cmake --build build-tsan -j "$JOBS" --target threaded_tests selection_owner_race data_control_owner_race
  export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
  build-tsan/threaded_tests --gtest_brief=1
  bash tests/x11/test_selection_owner.sh build-tsan
  bash tests/wayland/test_data_control_owner.sh build-tsan
fi
