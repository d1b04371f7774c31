#!/usr/bin/env bash
# The formatting check and clang-tidy over the program and the tool, as CI
# runs them. Needs a configured build folder (its compile_commands.json).
# Usage: scripts/lint.sh [format|tidy|all] [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
WHAT=${1:-all}
BUILD_DIR=${2:-build}
JOBS=${JOBS:-$(nproc)}

if [ "$WHAT" = format ] || [ "$WHAT" = all ]; then
  # Lists what clang-format would change; `clang-format -i FILE` fixes it.
  git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
  echo "format: ok"
fi

if [ "$WHAT" = tidy ] || [ "$WHAT" = all ]; then
  [ -f "$BUILD_DIR/compile_commands.json" ] || { echo "no $BUILD_DIR/compile_commands.json: configure first" >&2; exit 1; }
  # One file per run, two runs per core's worth; the checks are in
  # .clang-tidy and every finding is an error. The count of warnings each run
  # suppresses in system headers is noise.
  # Without the precompiled headers: each file is checked with just what it
  # includes (the checks walk every declaration a file sees, so a shared
  # precompiled header makes most files slower to check).
  commands=$(mktemp -d)
  trap 'rm -rf "$commands"' EXIT
  sed -E 's# -Xclang -include(-pch)? -Xclang [^ "]+##g; s# -include [^ "]*cmake_pch\.hxx##g' \
    "$BUILD_DIR/compile_commands.json" >"$commands/compile_commands.json"
  status=0
  git ls-files -z 'src/*.cpp' 'tools/*.cpp' |
    xargs -0 -n 1 -P "$JOBS" clang-tidy-14 -p "$commands" --quiet 2> >(grep -v -E '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$' >&2) ||
    status=$?
  if [ $status -ne 0 ]; then
    echo "clang-tidy: findings above (fix them, or NOLINT(check) with a reason where the code is right)" >&2
    exit 1
  fi
  echo "clang-tidy: ok"
fi
