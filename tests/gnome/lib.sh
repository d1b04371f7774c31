# Shared set-up of the end-to-end tests on GNOME's compositor: everything of
# tests/x11/lib.sh (private folders, the program's log check, state helpers)
# with a headless mutter instead of Xvfb, on a session bus of its own, and the
# real xdg-desktop-portal frontend with the test backend portal_backend.py
# (it grants or refuses without a dialog and types through mutter's own
# remote desktop interface). The program's windows live on mutter's XWayland.
source "$(dirname "${BASH_SOURCE[0]}")/../x11/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../support/desktop_session.sh"
GNOME_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
PORTAL_FRONTEND=/usr/libexec/xdg-desktop-portal
# mutter offers neither data-control nor the foreign-toplevel list: the
# program says so once at start.
EXPECTED_WARNINGS=${EXPECTED_WARNINGS:-'^corvinade\.wayland: warning: the compositor offers no (data-control|foreign-toplevel list): '}

# Skips the test (exit 0 with a note) when a part it needs is not installed.
need_gnome_parts() {
  local missing=()
  command -v mutter >/dev/null || missing+=(mutter)
  [ -x "$PORTAL_FRONTEND" ] || missing+=(xdg-desktop-portal)
  "$PYTHON" -c 'import dbus, gi; gi.require_version("Gtk", "3.0"); from gi.repository import Gtk' 2>/dev/null ||
    missing+=(python3-dbus/gir1.2-gtk-3.0)
  if [ ${#missing[@]} -gt 0 ]; then
    echo "skipped: not installed: ${missing[*]}"
    exit 0
  fi
}

# Waits until $1 owns a name on the session bus; fails after ~5 s.
wait_for_bus_name() {
  for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
      "string:$1" 2>/dev/null | grep -q 'boolean true' && return 0
    sleep 0.05
  done
  fail "$1 never appeared on the session bus: $(tail -n 20 "$TEST_HOME"/*.log)"
}

# A session bus of our own, mutter headless on it with XWayland; exports
# DBUS_SESSION_BUS_ADDRESS, WAYLAND_DISPLAY, DISPLAY and XAUTHORITY.
start_mutter() {
  start_session_bus
  GSETTINGS_BACKEND=memory mutter --headless --wayland --virtual-monitor 1280x800 >"$TEST_HOME/mutter.log" 2>&1 &
  PIDS_TO_KILL+=($!)
  local display=""
  for _ in $(seq 200); do
    display=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$TEST_HOME/mutter.log")
    [ -n "$display" ] && [ -S "$XDG_RUNTIME_DIR/wayland-0" ] && break
    sleep 0.05
  done
  [ -n "$display" ] || fail "mutter did not start: $(tail -n 20 "$TEST_HOME/mutter.log")"
  export DISPLAY=$display WAYLAND_DISPLAY=wayland-0
  XAUTHORITY=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* | head -n1)
  export XAUTHORITY
  # The program is told it runs on GNOME; the portal frontend alone reads
  # XDG_CURRENT_DESKTOP=test, which picks the test backend.
  export XDG_CURRENT_DESKTOP=GNOME
  for _ in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  fail "mutter's XWayland does not answer: $(tail -n 20 "$TEST_HOME/mutter.log")"
}

# The test backend and the real portal frontend; PORTAL_LOG names the
# backend's log of calls. PORTAL_TEST_REFUSE=1 in the environment makes it
# refuse every Start.
start_portal() {
  export PORTAL_TEST_LOG="$TEST_HOME/portal-calls"
  : >"$PORTAL_TEST_LOG"
  "$PYTHON" "$GNOME_DIR/portal_backend.py" >"$TEST_HOME/backend.log" 2>&1 &
  PIDS_TO_KILL+=($!)
  wait_for_bus_name org.freedesktop.impl.portal.desktop.test
  mkdir -p "$TEST_HOME/portals"
  printf '%s\n' '[portal]' 'DBusName=org.freedesktop.impl.portal.desktop.test' \
    'Interfaces=org.freedesktop.impl.portal.RemoteDesktop;org.freedesktop.impl.portal.GlobalShortcuts;' \
    'UseIn=test' >"$TEST_HOME/portals/test.portal"
  XDG_CURRENT_DESKTOP=test XDG_DESKTOP_PORTAL_DIR="$TEST_HOME/portals" "$PORTAL_FRONTEND" -r \
    >"$TEST_HOME/frontend.log" 2>&1 &
  PIDS_TO_KILL+=($!)
  wait_for_bus_name org.freedesktop.portal.Desktop
}

# Calls one of the test backend's controls (Activate, CloseSessions, Click).
portal_control() {
  local method=$1
  shift
  dbus-send --session --print-reply --dest=org.freedesktop.impl.portal.desktop.test \
    /org/freedesktop/portal/desktop "org.corvinade.PortalTest.$method" "$@" >/dev/null
}

# Clicks button `number` of a one-column group in the button window `win`
# through mutter's own pointer, as a user's click arrives.
click_button_on_mutter() {
  local win=$1 number=$2
  eval "$(xdotool getwindowgeometry --shell "$win")"
  portal_control Click "double:$((X + WIDTH / 2))" "double:$((Y + 15 + 20 * number + 10))"
}

# All of the above, for a test that needs nothing else first.
start_desktop() {
  need_gnome_parts
  start_mutter
  start_portal
  start_gtk_target
}
