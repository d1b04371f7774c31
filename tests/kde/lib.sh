# Shared set-up of the end-to-end tests on KDE Plasma's compositor:
# everything of tests/x11/lib.sh (private folders, the program's log check,
# state helpers) with a headless KWin instead of Xvfb, on a session bus of
# its own, and a native Wayland GTK window as the user's. The program's
# windows live on KWin's XWayland; its Wayland connection reaches KWin
# through WAYLAND_DISPLAY. The test skips (exit 77) without kwin_wayland:
# `bash scripts/install-deps.sh kde` installs it.
source "$(dirname "${BASH_SOURCE[0]}")/../x11/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../support/desktop_session.sh"
# KWin 5.27 offers neither a virtual keyboard nor the wlroots window list (its
# own list is Plasma's), and no portal runs here: the program says so once.
EXPECTED_WARNINGS=${EXPECTED_WARNINGS:-'^corvinade\.wayland: warning: the compositor offers no (virtual keyboard|foreign-toplevel list): '}

# Starts KWin headless with XWayland on a session bus of our own; exports
# WAYLAND_DISPLAY and DISPLAY. Debian's kwin_wayland carries a file
# capability that a container may refuse to execute: a plain copy, under the
# same name, runs anywhere. Its fake-input protocol (the test's mouse) goes
# to Plasma's own programs only, unless permission checks are off.
start_kwin() {
  local kwin dir="$TEST_HOME/kwin"
  if ! kwin=$(command -v kwin_wayland) || ! [ -x "$BUILD_DIR/tests/kwin_click" ]; then
    echo "skipped: kwin_wayland or plasma-wayland-protocols is not installed (bash scripts/install-deps.sh kde)"
    exit 77
  fi
  mkdir -p "$dir"
  cp "$kwin" "$dir/kwin_wayland"
  start_session_bus
  # KWin starts the programs it is given once XWayland is up, with DISPLAY set.
  printf '#!/bin/sh\necho "$DISPLAY" >%s/display.tmp && mv %s/display.tmp %s/display\n' "$dir" "$dir" "$dir" \
    >"$dir/started"
  chmod +x "$dir/started"
  env -i PATH="$PATH" HOME="$HOME" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" XDG_CONFIG_HOME="$XDG_CONFIG_HOME" \
    XDG_DATA_HOME="$XDG_DATA_HOME" DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 \
    "$dir/kwin_wayland" --virtual --xwayland --no-lockscreen --socket wayland-0 --width 1280 --height 1024 \
    "$dir/started" >"$TEST_HOME/kwin.log" 2>&1 &
  PIDS_TO_KILL+=($!)
  wait_for_file "$dir/display" || fail "KWin did not start: $(tail -n 20 "$TEST_HOME/kwin.log")"
  export WAYLAND_DISPLAY=wayland-0 XDG_CURRENT_DESKTOP=KDE
  DISPLAY=$(cat "$dir/display")
  export DISPLAY
}

# Plugs KWin's seat a mouse (tests/kwin_click), before the windows come, as
# a user's is there.
start_mouse() {
  coproc MOUSE { "$BUILD_DIR/tests/kwin_click" 2>&1; }
  PIDS_TO_KILL+=("$MOUSE_PID")
  local reply=""
  read -r -t 5 reply <&"${MOUSE[0]}" || true
  [ "$reply" = ready ] || fail "KWin took no mouse: $reply"
}

# Clicks button `number` of a one-column group in the button window `win`
# through KWin's own pointer, as a user's click arrives.
click_button_on_kwin() {
  local win=$1 number=$2 reply=""
  eval "$(xdotool getwindowgeometry --shell "$win")"
  echo "$((X + WIDTH / 2)) $((Y + 15 + 20 * number + 10))" >&"${MOUSE[1]}"
  read -r -t 5 reply <&"${MOUSE[0]}" || true
  [ "$reply" = clicked ] || fail "KWin took no click: $reply"
}
