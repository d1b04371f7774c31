# shellcheck shell=bash
# The two latency measures of the real program, shared by the X11 and the
# sway benches so that both sessions are timed the same way. Source it after
# a test harness (tests/x11/lib.sh or tests/wayland/lib.sh): it uses TOOL
# and fail.

# Copy to clip: runs "$2 TEXT" (a command that copies TEXT) $1 times and
# times each copy until the clip shows in the program's state (polled, which
# adds a few ms). Prints a summary line headed $3 and "RESULT $4 MEDIAN_MS".
measure_copies() {
  local n=$1 copy=$2 label=$3 key=$4 i t0 deadline samples=()
  for i in $(seq "$n"); do
    t0=$(date +%s%N)
    $copy "probe $i"
    deadline=$((t0 + 5000000000))
    until "$TOOL" state | grep -q "\"Text\": \"probe $i\""; do
      [ "$(date +%s%N)" -lt "$deadline" ] || fail "copy $i was not captured"
    done
    samples+=($((($(date +%s%N) - t0) / 1000)))
    sleep 0.06 # past the 50 ms lock-out
  done
  printf '%s\n' "${samples[@]}" | sort -n | awk -v n="$n" -v label="$label" -v key="$key" '{a[NR]=$1} END {
    printf "%s over %d copies: median %.1f ms, p95 %.1f ms, min %.1f ms, max %.1f ms\n",
      label, n, a[int((n+1)/2)]/1000, a[int(n*0.95)]/1000, a[1]/1000, a[n]/1000
    printf "RESULT %s %.1f\n", key, a[int((n+1)/2)]/1000 }'
}

# Click to text: with the pointer on a button whose text is one character,
# clicks $1 times and times each click until the file $2 (the target's
# content) has grown by that character, for a target that pastes on the V
# press. The figure is what lies beyond the pauses the paste makes on
# purpose before such a target asks for the text: 50 ms for the target to
# come to the front + the group's PasteDelay 100 ms + 10 ms after Ctrl goes
# down (the 20 ms after V and after Ctrl's release come later). Timed from
# the moment xdotool has sent the click, so that its own start is left out
# (given apart). Prints a summary line and "RESULT ${3}_beyond_ms" and
# "RESULT ${3}_tool_ms".
measure_clicks() {
  local n=$1 out=$2 key=$3 pauses=160 i started t0 deadline content samples=() tools=() tool_ms
  # Timed with bash built-ins only: a fork per poll costs milliseconds on a
  # busy machine. The click is a press and a release at once (xdotool's own
  # click holds the button 12 ms).
  for i in $(seq "$n"); do
    started=${EPOCHREALTIME/./}
    xdotool mousedown 1 mouseup 1
    t0=${EPOCHREALTIME/./}
    tools+=($((t0 - started)))
    deadline=$((t0 + 5000000))
    content=
    until [ "${#content}" = "$i" ]; do
      [ "${EPOCHREALTIME/./}" -lt "$deadline" ] || fail "paste $i did not arrive"
      IFS= read -r -d '' content <"$out" || true
    done
    samples+=($((${EPOCHREALTIME/./} - t0)))
    sleep 0.2
  done
  tool_ms=$(printf '%s\n' "${tools[@]}" | sort -n | awk '{a[NR]=$1} END {printf "%.1f", a[int((NR+1)/2)]/1000}')
  printf '%s\n' "${samples[@]}" | sort -n | awk -v n="$n" -v tool="$tool_ms" -v pauses="$pauses" -v key="$key" '{a[NR]=$1} END {
    printf "click to text: median %.1f ms, min %.1f ms, max %.1f ms over %d pastes (pauses before the text: %d ms; xdotool itself: median %.1f ms more)\n",
      a[int((n+1)/2)]/1000, a[1]/1000, a[n]/1000, n, pauses, tool
    printf "RESULT %s_beyond_ms %.1f\nRESULT %s_tool_ms %s\n", key, a[int((n+1)/2)]/1000 - pauses, key, tool }'
}

