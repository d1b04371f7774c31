# Shared set-up of the end-to-end tests: a private X server with openbox,
# a private runtime and data folder, and helpers to watch the program.
# Source it; it cleans up after itself when the test script exits.
set -euo pipefail

BUILD_DIR=${1:?usage: $0 BUILD_DIR}
BUILD_DIR=$(cd "$BUILD_DIR" && pwd)
CVD="$BUILD_DIR/corvinade"
TOOL="$BUILD_DIR/corvinade-tool"

TEST_HOME=$(mktemp -d /tmp/cvd-e2e.XXXXXX)
export HOME="$TEST_HOME/home"
export XDG_RUNTIME_DIR="$TEST_HOME/runtime"
export XDG_DATA_HOME="$TEST_HOME/data"
export XDG_CONFIG_HOME="$TEST_HOME/config"
mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
export NO_AT_BRIDGE=1

# The desktop's opener (the manual opens at the first start) is replaced by
# one that only writes down what it was asked to open.
mkdir -p "$TEST_HOME/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s/opened"\n' "$TEST_HOME" >"$TEST_HOME/bin/xdg-open"
chmod +x "$TEST_HOME/bin/xdg-open"
export PATH="$TEST_HOME/bin:$PATH"

PIDS_TO_KILL=()

# A warning or error line the program logs fails the test, unless it matches
# EXPECTED_WARNINGS (an extended regular expression a test sets for the
# failures it provokes on purpose).
EXPECTED_WARNINGS=${EXPECTED_WARNINGS:-}
check_program_log() {
  [ -f "$TEST_HOME/corvinade.log" ] || return 0
  local unexpected
  # Test machines have no sound card: the program says so once, as it should.
  unexpected=$(grep -E '^corvinade\.[a-z_.]+: (warning|critical|fatal): ' "$TEST_HOME/corvinade.log" |
    grep -v -E '^corvinade\.sound: warning: no sound output' |
    { if [ -n "$EXPECTED_WARNINGS" ]; then grep -v -E "$EXPECTED_WARNINGS"; else cat; fi; } || true)
  # A sanitizer build's report (a memory error, undefined behaviour).
  local report
  report=$(grep -E -A 12 '^==[0-9]+==ERROR: |: runtime error: ' "$TEST_HOME/corvinade.log" || true)
  [ -z "$unexpected" ] && [ -z "$report" ] && return 0
  [ -z "$unexpected" ] || { echo "FAIL: the program logged unexpected warnings:"; echo "$unexpected"; } >&2
  [ -z "$report" ] || { echo "FAIL: a sanitizer report:"; echo "$report"; } >&2
  return 1
}

cleanup() {
  local status=$?
  if [ $status -eq 0 ] && ! check_program_log; then status=1; fi
  for pid in "${PIDS_TO_KILL[@]}"; do kill "$pid" 2>/dev/null || true; done
  sleep 0.2
  for pid in "${PIDS_TO_KILL[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
  rm -rf "$TEST_HOME"
  exit $status
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Starts Xvfb on a free display and openbox on it; waits until the window
# manager has announced itself.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/private-x.sh"
start_display() {
  start_private_x "$TEST_HOME" 1280x1024 PIDS_TO_KILL || fail "no private X server"
}

# Starts the program in the background; CVD_PID holds its process id.
start_program() {
  "$CVD" >>"$TEST_HOME/corvinade.log" 2>&1 &
  CVD_PID=$!
  PIDS_TO_KILL+=($CVD_PID)
}

# Waits for a mapped window with this exact title; prints its id.
wait_for_window() {
  local title=$1 id
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.05
  done
  return 1
}

# Waits until the program has started up: its window is mapped and it
# answers (start-up runs before it serves requests), then lets the start-up
# lock-out of copies pass. Prints the window's id.
wait_until_started() {
  local win
  win=$(wait_for_window Corvinade) || fail "no button window: $(cat "$TEST_HOME/corvinade.log")"
  wait_for_state '.window != null' "the program answers" >&2
  sleep 0.1
  echo "$win"
}

# Waits until file $1 exists and is not empty; returns 1 after ~10 s.
wait_for_file() {
  for _ in $(seq 200); do
    [ -s "$1" ] && return 0
    sleep 0.05
  done
  return 1
}

# Waits until process $1 has ended; fails after $2 seconds.
wait_for_exit() {
  local pid=$1 seconds=${2:-5}
  for _ in $(seq $((seconds * 20))); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.05
  done
  return 1
}

# The program's state as JSON, or fails.
state() {
  "$TOOL" state
}

# A value from the state, by a jq filter (strings come out raw).
state_get() {
  state | jq -r "$1"
}

# The id of the window that has the keyboard focus, in decimal.
focused_window() {
  xdotool getwindowfocus 2>/dev/null
}

# Puts text on the CLIPBOARD selection with xclip (which keeps serving it).
copy_text() {
  printf '%s' "$1" | xclip -selection clipboard -i >/dev/null 2>&1
}

# Waits until a jq filter on the state is true; fails after ~5 s.
wait_for_state() {
  local expr=$1 what=${2:-$1}
  for _ in $(seq 100); do
    [ "$(state_get "$expr" 2>/dev/null)" = true ] && return 0
    sleep 0.05
  done
  fail "timed out waiting for: $what; state: $(state 2>&1 | head -c 2000)"
}

# The clip button texts of the first group, as one compact JSON list.
# corvinade-tool doctor --json into $TEST_HOME/doctor.json; DOCTOR_STATUS is its exit status.
run_doctor() {
  set +e
  "$TOOL" doctor --json >"$TEST_HOME/doctor.json"
  DOCTOR_STATUS=$?
  set -e
}

# Fails unless the doctor's last JSON, through the jq filter $1, reads $2.
doctor_says() {
  local got
  got=$(jq -r "$1" "$TEST_HOME/doctor.json")
  [ "$got" = "$2" ] || fail "doctor: $1 is '$got', not '$2': $(cat "$TEST_HOME/doctor.json")"
}

clip_texts() {
  state | jq -c '.groups[0] as $g | [$g.Buttons[:$g.NumClipButtons][].Text]'
}

# Clicks button `number` of a one-column group in the button window `win`
# (own caption, then the group selector, then one row per button).
click_button() {
  local win=$1 number=$2
  eval "$(xdotool getwindowgeometry --shell "$win")"
  # The server takes the move before the click; waiting for the move
  # (--sync) sometimes hung for 15 s here.
  xdotool mousemove $((X + WIDTH / 2)) $((Y + 15 + 20 * number + 10))
  xdotool click 1
}

# Waits until file $1 holds exactly $2; fails after ~5 s.
wait_for_file_content() {
  local file=$1 expected=$2
  for _ in $(seq 100); do
    if [ -f "$file" ] && [ "$(cat "$file")" = "$expected" ]; then
      # The text arrives while the paste keystroke's modifier is still down:
      # a key or click sent before the paste ends would carry it.
      wait_for_state '.pasting == false' "the paste to end"
      return 0
    fi
    sleep 0.05
  done
  fail "file $file holds '$(cat "$file" 2>/dev/null)', expected '$expected'"
}

# Starts the Tk text window that pastes go into and gives it the focus;
# TK holds its window id, TK_OUT the file that mirrors its content.
start_tk_target() {
  export TK_OUT="$TEST_HOME/tk-content"
  wish "$(dirname "${BASH_SOURCE[0]}")/tk_target.tcl" >/dev/null 2>&1 &
  PIDS_TO_KILL+=($!)
  TK=$(wait_for_window tk-target) || fail "no Tk window"
  xdotool windowactivate --sync "$TK" >/dev/null 2>&1
}
