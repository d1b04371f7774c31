# Shared set-up of the end-to-end tests in a Wayland session: everything of
# tests/x11/lib.sh (private folders, the program's log check, state helpers),
# with a headless sway instead of Xvfb. The program's windows live on sway's
# XWayland; its Wayland connection reaches sway through WAYLAND_DISPLAY.
source "$(dirname "${BASH_SOURCE[0]}")/../x11/lib.sh"

# Starts sway headless on a socket of its own and waits for its XWayland;
# exports WAYLAND_DISPLAY (a full path) and DISPLAY. sway refuses to run as
# root: under root it runs as nobody, and root is let onto its X display.
# SWAY_DEBUG=-d puts sway's debug lines (the commands it runs) in sway.log.
start_sway() {
  local dir="$TEST_HOME/sway" as_user=()
  mkdir -p "$dir/runtime"
  chmod 700 "$dir/runtime"
  if [ "$(id -u)" -eq 0 ]; then
    chmod o+x "$TEST_HOME"
    chown -R 65534:65534 "$dir"
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    # The X servers' socket folder is root's, as the X servers of the x11
    # tests expect, whichever starts first.
    [ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix
  fi
  cat >"$dir/config" <<CONFIG
xwayland force
output HEADLESS-1 resolution 1280x1024
exec sh -c 'xhost +si:localuser:$(id -un) >/dev/null; echo "\$DISPLAY" >$dir/display.tmp; mv $dir/display.tmp $dir/display'
CONFIG
  chmod 644 "$dir/config"
  env -i PATH="$PATH" HOME="$dir" XDG_RUNTIME_DIR="$dir/runtime" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
    WLR_RENDERER=pixman "${as_user[@]}" sway ${SWAY_DEBUG:-} -c "$dir/config" >"$TEST_HOME/sway.log" 2>&1 &
  PIDS_TO_KILL+=($!)
  wait_for_file "$dir/display" || fail "sway did not start: $(tail -n 20 "$TEST_HOME/sway.log")"
  export WAYLAND_DISPLAY="$dir/runtime/wayland-1"
  # As sway tells its own clients.
  export XDG_CURRENT_DESKTOP=sway
  export DISPLAY
  DISPLAY=$(cat "$dir/display")
  SWAYSOCK=$(ls "$dir"/runtime/sway-ipc.*.sock)
  export SWAYSOCK
}

# Puts text on the Wayland clipboard with wl-copy (which keeps serving it).
wl_copy_text() {
  printf '%s' "$1" | wl-copy
}
