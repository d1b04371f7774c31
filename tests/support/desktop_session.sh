# Shared by the end-to-end tests on full desktops' compositors (tests/gnome,
# tests/kde): a session bus of their own, and a native Wayland GTK 3 text
# window (gtk_target.py) as the user's window. Source it after
# tests/x11/lib.sh.
PYTHON=/usr/bin/python3
SUPPORT_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# A session bus of our own; exports DBUS_SESSION_BUS_ADDRESS.
start_session_bus() {
  dbus-daemon --session --nofork --print-address=3 3>"$TEST_HOME/bus" >/dev/null 2>&1 &
  PIDS_TO_KILL+=($!)
  wait_for_file "$TEST_HOME/bus" || fail "no session bus"
  DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$TEST_HOME/bus")
  export DBUS_SESSION_BUS_ADDRESS
}

# Starts the GTK text window on Wayland and waits until it is active;
# GTK_OUT names the file that mirrors its text (GTK_OUT.focus: its focus).
start_gtk_target() {
  export GTK_OUT="$TEST_HOME/gtk-content"
  GDK_BACKEND=wayland "$PYTHON" "$SUPPORT_DIR/gtk_target.py" cvd-gtk gtk-target "$GTK_OUT" \
    >"$TEST_HOME/gtk.log" 2>&1 &
  GTK_PID=$!
  PIDS_TO_KILL+=($GTK_PID)
  for _ in $(seq 100); do
    [ "$(tail -n1 "$GTK_OUT.focus" 2>/dev/null)" = active ] && return 0
    sleep 0.05
  done
  fail "the GTK window never became active: $(cat "$TEST_HOME/gtk.log")"
}

# Copies text in the GTK window, as Ctrl+C there would.
gtk_copy() {
  printf '%s' "$1" >"$GTK_OUT.copy"
  kill -USR2 "$GTK_PID"
}
