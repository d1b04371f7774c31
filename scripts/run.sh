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
export XDG_RUNTIME_DIR="$DEMO/runtime" XDG_DATA_HOME="$DEMO/data" HOME="$DEMO/home"
mkdir -p "$XDG_DATA_HOME" "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb NO_AT_BRIDGE=1
PIDS=()
cleanup() {
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$DEMO"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$DEMO/displayfd" >/dev/null 2>&1 &
PIDS+=($!)
for _ in $(seq 100); do [ -s "$DEMO/displayfd" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$DEMO/displayfd" | tr -d '[:space:]')"
openbox --sm-disable >/dev/null 2>&1 &
PIDS+=($!)
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
done
tint2 >/dev/null 2>&1 &
PIDS+=($!)

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
