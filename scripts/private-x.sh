# A private X server with a window manager, for the scripts and tests that
# show the real program. Source it and call
#   start_private_x FOLDER SIZE PIDS_ARRAY
# Xvfb runs at SIZE (WxH) on a free display, openbox on it; DISPLAY is
# exported and both process ids are added to the array named PIDS_ARRAY.
# Returns 1 with a message on standard error when either does not start.
start_private_x() {
  local work=$1 size=$2
  local -n started_pids=$3
  local fd_file="$work/displayfd"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
  started_pids+=($!)
  for _ in $(seq 200); do
    [ -s "$fd_file" ] && break
    sleep 0.05
  done
  if ! [ -s "$fd_file" ]; then
    echo "Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$(head -n1 "$fd_file" | tr -d '[:space:]')"
  # A window manager that dies at start (seen rarely under load) is started again.
  local attempt wm_pid
  for attempt in 1 2 3; do
    openbox --sm-disable >>"$work/openbox.log" 2>&1 &
    wm_pid=$!
    started_pids+=($wm_pid)
    for _ in $(seq 200); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
      kill -0 "$wm_pid" 2>/dev/null || break
      sleep 0.05
    done
    kill "$wm_pid" 2>/dev/null || true
  done
  echo "openbox did not start: $(cat "$work/openbox.log")" >&2
  return 1
}
