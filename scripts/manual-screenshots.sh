#!/usr/bin/env bash
# Takes the user manual's screenshots from the real program on a private X
# server (Xvfb, openbox, the tint2 tray) and writes them to
# docs/manual/images/. Run after a build:  scripts/manual-screenshots.sh build
set -euo pipefail
BUILD_DIR=$(cd "${1:-build}" && pwd)
IMAGES=$(cd "$(dirname "$0")/.." && pwd)/docs/manual/images
CVD="$BUILD_DIR/corvinade"
mkdir -p "$IMAGES"

# Takes window $1 with its frame into file $2, as the screen shows it: read
# back from the root window, since a frame's own contents hold parts that
# openbox draws elsewhere (its window icon comes out black).
grab_framed() {
  local id=$1 file=$2 extents left right top bottom
  extents=$(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  read -r left right top bottom <<<"${extents:-0 0 0 0}"
  local x y width height
  x=$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print $NF}')
  y=$(xwininfo -id "$id" | awk '/Absolute upper-left Y/ {print $NF}')
  width=$(xwininfo -id "$id" | awk '/Width:/ {print $NF}')
  height=$(xwininfo -id "$id" | awk '/Height:/ {print $NF}')
  import -window root -crop "$((width + left + right))x$((height + top + bottom))+$((x - left))+$((y - top))" \
    +repage "$file"
}

WORK=$(mktemp -d /tmp/corvinade-shots.XXXXXX)
source "$(dirname "$0")/private-desktop.sh"
start_private_desktop "$WORK" 1024x768
# The first start would open the manual; nothing is to be opened here.
mkdir -p "$WORK/bin"
printf '#!/bin/sh\nexit 0\n' >"$WORK/bin/xdg-open" && chmod +x "$WORK/bin/xdg-open"
export PATH="$WORK/bin:$PATH"
sleep 3  # tint2 takes its tray in

"$CVD" >"$WORK/corvinade.log" 2>&1 &
PIDS+=($!)
WIN=""
for _ in $(seq 200); do
  WIN=$(xdotool search --onlyvisible --name '^Corvinade$' 2>/dev/null | head -n1 || true)
  [ -n "$WIN" ] && break
  sleep 0.05
done
[ -n "$WIN" ] || { cat "$WORK/corvinade.log" >&2; exit 1; }
xdotool windowmove "$WIN" 300 150
for text in "Meeting moved to Thursday, 10:30" "https://example.org/report.pdf" "Kind regards, Anna"; do
  printf '%s' "$text" | xclip -selection clipboard -i >/dev/null 2>&1
  sleep 0.4
done
sleep 0.5

# The button window with some room around it.
eval "$(xdotool getwindowgeometry --shell "$WIN")"
import -window root -crop "$((WIDTH + 40))x$((HEIGHT + 40))+$((X - 20))+$((Y - 20))" +repage "$IMAGES/button-window.png"

# The tray menu: a right click on the icon in tint2's tray.
TRAY=$(xdotool search --class '^corvinade$' 2>/dev/null | while read -r id; do
  eval "$(xdotool getwindowgeometry --shell "$id")"
  [ "$WIDTH" -le 64 ] && [ "$HEIGHT" -le 64 ] && echo "$id"
done | head -n1 || true)
if [ -n "$TRAY" ]; then
  eval "$(xdotool getwindowgeometry --shell "$TRAY")"
  xdotool mousemove "$((X + WIDTH / 2))" "$((Y + HEIGHT / 2))" click 3
  sleep 0.8
  MENU=$(xdotool search --onlyvisible --class '^corvinade$' 2>/dev/null | while read -r id; do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [ "$HEIGHT" -gt 100 ] && [ "$id" != "$WIN" ] && echo "$id"
  done | tail -n1 || true)
  if [ -n "$MENU" ]; then
    import -window "$MENU" "$IMAGES/tray-menu.png"
    # Its first entry opens the about box.
    eval "$(xdotool getwindowgeometry --shell "$MENU")"
    xdotool mousemove "$((X + 40))" "$((Y + 12))" click 1
    ABOUT=""
    for _ in $(seq 100); do
      ABOUT=$(xdotool search --onlyvisible --name '^About Corvinade$' 2>/dev/null | head -n1 || true)
      [ -n "$ABOUT" ] && break
      sleep 0.05
    done
    if [ -n "$ABOUT" ]; then
      xdotool windowmove "$WIN" 900 40
      sleep 0.5
      grab_framed "$ABOUT" "$IMAGES/about-box.png"
      xdotool windowmove "$WIN" 300 150
      xdotool windowactivate "$ABOUT" 2>/dev/null || true
      xdotool key Return
    else
      echo "The about box did not open." >&2
    fi
  else
    echo "The tray menu did not open." >&2
    xdotool key Escape
  fi
else
  echo "No tray icon found; the tray menu's screenshot is left as it was." >&2
fi

# The dialogs, each at the size it opens with. shoot TITLE FILE waits for a
# window with that title, takes it with its frame and closes it (Escape).
shoot() {
  local title=$1 file=$2 id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^${title}" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && break
    sleep 0.05
  done
  if [ -z "$id" ]; then
    echo "\"$title\" did not open; $file is left as it was." >&2
    return 0
  fi
  # The pointer goes away: a tooltip under it would cover the dialog; so
  # does the button window, which stays above it.
  xdotool mousemove 1020 2
  xdotool windowmove "$WIN" 900 40
  sleep 1.2  # drawn completely, tooltips gone
  grab_framed "$id" "$IMAGES/$file"
  xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
  xdotool key Escape
  xdotool windowmove "$WIN" 300 150
  sleep 0.3
}
# A right click at (dx, dy) in the button window, then a click on the menu
# entry (ex, ey) from there.
menu_entry() {
  eval "$(xdotool getwindowgeometry --shell "$WIN")"
  xdotool mousemove $((X + $1)) $((Y + $2)) click 3
  sleep 0.8
  xdotool mousemove $((X + $1 + $3)) $((Y + $2 + $4)) click 1
}
TOOL="$BUILD_DIR/corvinade-tool"
"$TOOL" do "Edit last copied"
shoot "Edit Button" editor-button.png
menu_entry 30 25 70 100  # the group menu's "Group Options"
shoot "Group Options" editor-groups.png
menu_entry 45 45 60 166  # the button menu's "Customize Quick Fixes"
shoot "Custom Quick Fix" quick-fix-editor.png
# The button menu's "Change Color" opens its submenu; along that row into
# it, then down past the favourite colour to "Color Editor".
eval "$(xdotool getwindowgeometry --shell "$WIN")"
xdotool mousemove $((X + 45)) $((Y + 45)) click 3
sleep 0.8
xdotool mousemove $((X + 105)) $((Y + 235))
sleep 0.8
xdotool mousemove $((X + 250)) $((Y + 235))
sleep 0.3
xdotool mousemove $((X + 250)) $((Y + 259)) click 1
shoot "Button Color" color-dialog.png
"$TOOL" do "Search buttons"
shoot "Search" search.png
# The settings, page by page (Ctrl+Tab turns the page).
"$TOOL" setup shortcuts &
sleep 1.5
SETUP=$(xdotool search --onlyvisible --name '^Corvinade Settings' 2>/dev/null | head -n1 || true)
if [ -n "$SETUP" ]; then
  xdotool mousemove 1020 2
  xdotool windowmove "$WIN" 900 40
  sleep 1.2
  grab_framed "$SETUP" "$IMAGES/settings-shortcuts.png"
  xdotool windowactivate --sync "$SETUP" >/dev/null 2>&1 || true
  xdotool key ctrl+Tab && sleep 0.6 && grab_framed "$SETUP" "$IMAGES/settings-network.png"
  xdotool key ctrl+Tab && sleep 0.6 && grab_framed "$SETUP" "$IMAGES/settings-options.png"
  xdotool key Escape
else
  echo "The settings did not open; their screenshots are left as they were." >&2
fi
wait

cp "$BUILD_DIR/icons/128x128/apps/corvinade.png" "$IMAGES/icon.png"
"$BUILD_DIR/corvinade-tool" quit >/dev/null
echo "Screenshots written to $IMAGES"
