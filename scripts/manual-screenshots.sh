#!/usr/bin/env bash
# Takes the user manual's screenshots from the real program on a private X
# server (Xvfb, openbox, the tint2 tray) and writes them to
# docs/manual/images/. Run after a build:  scripts/manual-screenshots.sh build
set -euo pipefail
BUILD_DIR=$(cd "${1:-build}" && pwd)
IMAGES=$(cd "$(dirname "$0")/.." && pwd)/docs/manual/images
CVD="$BUILD_DIR/corvinade"
mkdir -p "$IMAGES"

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
      sleep 0.5
      import -frame -window "$ABOUT" "$IMAGES/about-box.png"
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
  # The pointer goes away: a tooltip under it would cover the dialog.
  xdotool mousemove 1020 2
  sleep 1.2  # drawn completely, tooltips gone
  import -frame -window "$id" "$IMAGES/$file"
  xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
  xdotool key Escape
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
menu_entry 45 45 60 190  # the button menu's "Change Color", then its first entry
sleep 0.5
xdotool key Right Return
shoot "Button Color" color-dialog.png
"$TOOL" do "Search buttons"
shoot "Search" search.png
# The settings, page by page (Ctrl+Tab turns the page).
"$TOOL" setup shortcuts &
sleep 1.5
SETUP=$(xdotool search --onlyvisible --name '^Corvinade Settings' 2>/dev/null | head -n1 || true)
if [ -n "$SETUP" ]; then
  xdotool mousemove 1020 2
  sleep 1.2
  import -frame -window "$SETUP" "$IMAGES/settings-shortcuts.png"
  xdotool windowactivate --sync "$SETUP" >/dev/null 2>&1 || true
  xdotool key ctrl+Tab && sleep 0.6 && import -frame -window "$SETUP" "$IMAGES/settings-network.png"
  xdotool key ctrl+Tab && sleep 0.6 && import -frame -window "$SETUP" "$IMAGES/settings-options.png"
  xdotool key Escape
else
  echo "The settings did not open; their screenshots are left as they were." >&2
fi
wait

cp "$BUILD_DIR/icons/128x128/apps/corvinade.png" "$IMAGES/icon.png"
"$BUILD_DIR/corvinade-tool" quit >/dev/null
echo "Screenshots written to $IMAGES"
