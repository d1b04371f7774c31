#!/usr/bin/env bash
# Starts Corvinade on the current display. Without a display, runs a short
# demonstration on a private X server (Xvfb with openbox and a tray host),
# saves a screenshot and ends the program cleanly.
set -euo pipefail
BUILD_DIR=$(cd "${1:-build}" && pwd)
CVD="$BUILD_DIR/corvinade"
TOOL="$BUILD_DIR/corvinade-tool"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$CVD"
fi

echo "No X display: running a demonstration on a private X server."
DEMO=$(mktemp -d /tmp/corvinade-demo.XXXXXX)
source "$(dirname "$0")/private-desktop.sh"
start_private_desktop "$DEMO" 1280x800

"$CVD" >"$DEMO/corvinade.log" 2>&1 &
CVD_PID=$!
PIDS+=($CVD_PID)
for _ in $(seq 200); do
  xdotool search --onlyvisible --name '^Corvinade$' >/dev/null 2>&1 && break
  sleep 0.05
done
xdotool search --onlyvisible --name '^Corvinade$' >/dev/null 2>&1 || {
  echo "The button window did not appear:" >&2
  cat "$DEMO/corvinade.log" >&2
  exit 1
}
# Copy three texts in another program: they become the newest clip buttons.
for text in "Hello from the demonstration" "Second clip" "$(printf 'Gr\xc3\xbc\xc3\x9fe aus K\xc3\xb6ln')"; do
  printf '%s' "$text" | xclip -selection clipboard -i >/dev/null 2>&1
  sleep 0.3
done
# Rest the pointer on the first clip button so its hint shows.
eval "$(xdotool search --onlyvisible --name '^Corvinade$' getwindowgeometry --shell 2>/dev/null | head -n 6)"
xdotool mousemove "$((X + WIDTH / 2))" "$((Y + 15 + 30))"
sleep 1
import -window root "$BUILD_DIR/screenshot.png"
"$TOOL" state | jq -c '{CurrentGroup, clips: [.groups[0].Buttons[:5][].Text]}'
"$TOOL" quit >/dev/null
for _ in $(seq 100); do kill -0 "$CVD_PID" 2>/dev/null || break; sleep 0.05; done
echo "Corvinade ended. Screenshot: $BUILD_DIR/screenshot.png"
