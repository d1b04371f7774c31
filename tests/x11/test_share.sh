#!/usr/bin/env bash
# Two computers share clips through one folder: two programs, each with its
# own host name (a UTS namespace), X display and data folder, share the
# "Default" group through a common share folder.
source "$(dirname "$0")/lib.sh"
unshare --uts true 2>/dev/null || { echo "SKIP: no permission for a UTS namespace"; exit 0; }
SHARE="$TEST_HOME/share"
mkdir -p "$SHARE"

# Switches this shell to computer $1's display and folders.
use() {
  export HOME="$TEST_HOME/$1/home" XDG_RUNTIME_DIR="$TEST_HOME/$1/runtime" XDG_DATA_HOME="$TEST_HOME/$1/data"
  export XDG_CONFIG_HOME="$TEST_HOME/$1/config"
  eval "export DISPLAY=\${DISPLAY_$1:-}"
}

# A data file whose "Default" group is shared: written by a first run, then
# its enciphered "NotShared" line turned into "Shared".
make_shared_data() {
  start_program
  wait_for_window Corvinade >/dev/null || fail "no button window: $(cat "$TEST_HOME/corvinade.log")"
  "$TOOL" quit
  wait_for_exit "$CVD_PID" || fail "no exit"
  local data="$XDG_DATA_HOME/Corvinade/corvinade.dat"
  local off on
  off=$("$TOOL" encrypt NotShared) on=$("$TOOL" encrypt Shared)
  grep -qx "${off}"$'\r' "$data" || fail "no sharing line in the data file"
  sed -i "s|^${off}\r\$|${on}\r|" "$data"
  [ "$("$TOOL" dump "$data" | jq -r '.groups[0].Shared')" = true ] || fail "the group is not shared"
}

for name in alpha beta; do
  mkdir -p "$TEST_HOME/$name"/{home,data,config} && mkdir -m 700 "$TEST_HOME/$name/runtime"
  use "$name"
  start_display
  eval "DISPLAY_$name=\$DISPLAY"
  use "$name"
  make_shared_data
  printf '%s\r\n' '[Share]' "ShareDir=$SHARE/" 'Enabled=1' > "$XDG_DATA_HOME/Corvinade/Network.ini"
  unshare --uts sh -c "hostname $name && exec '$CVD'" >"$TEST_HOME/$name.log" 2>&1 &
  eval "PID_$name=\$!"
  PIDS_TO_KILL+=($!)
  wait_for_window Corvinade >/dev/null || fail "$name: no button window: $(cat "$TEST_HOME/$name.log")"
  wait_for_state .window.visible "$name answers"
done

# A copy on one computer appears on the other within the poll, and never
# comes back to the computer that wrote it. SHARE_ROUNDS (bench/) repeats it.
rounds=${SHARE_ROUNDS:-1}
texts=()
for i in $(seq "$rounds"); do
  for pair in "alpha beta" "beta alpha"; do
    set -- $pair
    use "$1"
    copy_text "from $1 $i"
    wait_for_state ".groups[0].Buttons[0].Text == \"from $1 $i\"" "$1 captures its copy"
    start=$(date +%s%N)
    use "$2"
    wait_for_state ".groups[0].Buttons[0].Text == \"from $1 $i\"" "the clip of $1 on $2"
    echo "latency_ms $(( ($(date +%s%N) - start) / 1000000 )) ($1 to $2)"
    texts=("from $1 $i" "${texts[@]}")
    sleep 0.1  # past the capture lock-out
  done
done
sleep 1.5  # more than one poll: nothing comes back
shown=("${texts[@]:0:5}" "" "" "" "" "")
expected=$(printf '%s\n' "${shown[@]:0:5}" | jq -R . | jq -sc .)
for name in alpha beta; do
  use "$name"
  [ "$(clip_texts)" = "$expected" ] || fail "$name holds $(clip_texts), expected $expected"
done
lines=$(grep -c $'\r$' "$SHARE/Corvinade.cdf" || true)
[ "$lines" = $((2 * rounds)) ] || fail "the share file holds $lines lines"
echo "share ok"
