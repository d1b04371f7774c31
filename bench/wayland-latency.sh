#!/usr/bin/env bash
# The two latency measures of capture-latency.sh and paste-latency.sh on a
# headless sway: copies made with wl-copy (as text) while a native Wayland
# GTK window has the focus, timed until the clip shows in the program's
# state; then clicks on a button (the program's window is on XWayland) timed until the
# text arrives in that GTK window, beyond the paste's pauses. The paste
# activates its target first (AdvWinTrack=0): sway gives the clicked button
# window the focus.
# Usage: bench/wayland-latency.sh BUILD_DIR [COPIES] [PASTES]
source "$(dirname "$0")/../tests/wayland/lib.sh"
source "$(dirname "$0")/latency-lib.sh"
COPIES=${2:-100}
PASTES=${3:-20}
start_sway
mkdir -m 700 "$XDG_DATA_HOME/Corvinade"
printf '%s\r\n' '[Clipboard]' 'AdvWinTrack=0' >"$XDG_DATA_HOME/Corvinade/corvinade.ini"
start_program
WIN=$(wait_until_started)
# A figure of the X11 fallback would be a wrong answer to the question.
[[ "$(state_get .platform.capture)" == wayland:* ]] || fail "no Wayland capture: $(state_get .platform)"
[[ "$(state_get .platform.keys)" == wayland:* ]] || fail "no Wayland keys: $(state_get .platform)"

out="$TEST_HOME/gtk.out"
GDK_BACKEND=wayland /usr/bin/python3 "$(dirname "$0")/../tests/support/gtk_target.py" cvd-bench 'GTK target' "$out" \
  2>"$TEST_HOME/gtk.log" &
PIDS_TO_KILL+=($!)
wait_for_state '.LastTarget.exe == "cvd-bench"' "the GTK window as the target"
sleep 0.5 # past the start-up lock-out, which ignores copies

# Typed as text: left to guess, wl-copy spends some 130 ms running a MIME
# sniffer per copy and calls a lone "x" application/octet-stream, which the
# program rightly does not take.
wl_copy_plain() { printf '%s' "$1" | wl-copy --type text/plain; }
measure_copies "$COPIES" wl_copy_plain "sway: capture latency" sway_capture_ms

wl_copy_plain x
wait_for_state '.groups[0].Buttons[0].Text == "x"' "the clip"
eval "$(xdotool getwindowgeometry --shell "$WIN")"
# XWayland takes the move before the click; --sync hangs on it at times.
xdotool mousemove $((X + WIDTH / 2)) $((Y + 15 + 20 + 10))
sleep 0.1
measure_clicks "$PASTES" "$out" sway_paste
"$TOOL" quit >/dev/null
