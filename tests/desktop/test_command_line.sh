#!/usr/bin/env bash
# Both programs answer --help and --version as Linux programs do: the text on
# standard output, status 0, at once (no window, no display needed). The
# version is the one the build carries.
set -euo pipefail
BUILD_DIR=$(cd "${1:?usage: $0 BUILD_DIR VERSION}" && pwd)
VERSION=${2:?usage: $0 BUILD_DIR VERSION}
fail() { echo "FAIL: $*" >&2; exit 1; }
OUT=$(mktemp -d /tmp/cvd-cmdline.XXXXXX)
trap 'rm -rf "$OUT"' EXIT
unset DISPLAY WAYLAND_DISPLAY
export XDG_RUNTIME_DIR="$OUT"

# program, arguments, what the first line of standard output starts with
while IFS='|' read -r program args first; do
  status=0
  # shellcheck disable=SC2086
  timeout 10 "$BUILD_DIR/$program" $args >"$OUT/out" 2>"$OUT/err" || status=$?
  [ $status -eq 0 ] || fail "$program $args: status $status; $(cat "$OUT/err")"
  [ -s "$OUT/err" ] && fail "$program $args wrote on standard error: $(cat "$OUT/err")"
  line=$(head -n1 "$OUT/out")
  [[ "$line" == "$first"* ]] || fail "$program $args printed '$line', expected '$first...'"
done <<EOF_CASES
corvinade|--help|usage: corvinade
corvinade|-h|usage: corvinade
corvinade|--verbose --help|usage: corvinade
corvinade|--version|corvinade $VERSION
corvinade-tool|--help|usage: corvinade-tool
corvinade-tool|-h|usage: corvinade-tool
corvinade-tool|help|usage: corvinade-tool
corvinade-tool|--version|corvinade-tool $VERSION
EOF_CASES

# Mistakes still go to standard error with status 2.
status=0
"$BUILD_DIR/corvinade-tool" --frobnicate >"$OUT/out" 2>"$OUT/err" || status=$?
[ $status -eq 2 ] && [ ! -s "$OUT/out" ] && [ -s "$OUT/err" ] || fail "an unknown command: status $status"
echo PASS
