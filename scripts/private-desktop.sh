# A private desktop for scripts that show the real program: its own folders
# under $1, Xvfb at size $2 (WxH), openbox and the tint2 tray. Source it and
# call start_private_desktop; PIDS holds what to stop, and cleanup stops it
# and removes the folder when the script exits.
source "$(dirname "${BASH_SOURCE[0]}")/private-x.sh"
start_private_desktop() {
  local work=$1 size=$2
  export XDG_RUNTIME_DIR="$work/runtime" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config"
  export HOME="$work/home"
  mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
  export QT_QPA_PLATFORM=xcb NO_AT_BRIDGE=1
  PIDS=()
  # shellcheck disable=SC2064  # the folder is fixed now
  trap "for pid in \"\${PIDS[@]}\"; do kill \"\$pid\" 2>/dev/null || true; done; rm -rf '$work'" EXIT

  start_private_x "$work" "$size" PIDS
  tint2 >/dev/null 2>&1 &
  PIDS+=($!)
}
