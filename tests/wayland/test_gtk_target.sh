#!/usr/bin/env bash
# In a sway session with a native Wayland GTK 3 text window as the user's
# window: activating it brings the group tied to its app_id, its own Ctrl+C
# becomes a clip of that group, a click pastes exactly the button's text
# into it (which keeps the focus), and a paste method matched by a window's
# title sends its key macro there.
source "$(dirname "$0")/lib.sh"
start_sway
DATA="$XDG_DATA_HOME/Corvinade"
mkdir -p -m 700 "$DATA"
# AdvWinTrack=0: the paste activates its target first (sway gives the
# clicked button window the focus). One paste method, for one title.
printf '%s\r\n' '[Clipboard]' 'AdvWinTrack=0' '[PasteKeys]' 'NumPasteKey=1' 'Title1=Method target' 'Match1=3' \
  'Key1=[{Ctrl v}' 'Delay1=0' >"$DATA/corvinade.ini"

# Two groups, "Default" and "Gtk" tied to the app_id cvd-gtk: a first run
# writes a data file with one group, whose blocks are then written twice.
start_program
wait_until_started >/dev/null
"$TOOL" quit >/dev/null
wait_for_exit "$CVD_PID" 5 || fail "the first run did not end"
awk -v name="$("$TOOL" encrypt Gtk)" -v tie="$("$TOOL" encrypt cvd-gtk)" '
  { line[NR] = $0 }
  END {
    buttons = line[5] + line[6]; a_end = 9 + 3 * buttons + 1; rest = NR - a_end
    printf "%s\n2\r\n", line[1]
    for (i = 3; i <= a_end; i++) print line[i]
    print name "\r"; print tie "\r"
    for (i = 5; i <= a_end; i++) print line[i]
    # The later blocks hold one part per group, one after the other.
    display = rest - 5 - 2 * buttons
    split("2 1 " display " 2 " 2 * buttons, sizes, " ")
    at = a_end + 1
    for (s = 1; s <= 5; s++) {
      for (copy = 1; copy <= 2; copy++) for (i = at; i < at + sizes[s]; i++) print line[i]
      at += sizes[s]
    }
  }' "$DATA/corvinade.dat" >"$TEST_HOME/two.dat"
mv "$TEST_HOME/two.dat" "$DATA/corvinade.dat"
start_program
win=$(wait_until_started)
[ "$(state_get '[.groups[].Name] | join(",")')" = "Default,Gtk" ] || fail "groups: $(state_get '[.groups[].Name]')"
[ "$(state_get .CurrentGroup)" = Default ] || fail "start group $(state_get .CurrentGroup)"

focused_app() { swaymsg -t get_tree | jq -r '.. | objects | select(.focused? == true) | .app_id // .window_properties.class'; }

# The GTK window starts with a text selected; activating it brings its group.
copied='copied in GTK – Grüße 😀'
gtk_out="$TEST_HOME/gtk.out"
GDK_BACKEND=wayland /usr/bin/python3 "$(dirname "$0")/../support/gtk_target.py" cvd-gtk 'GTK target' "$gtk_out" "$copied" 2>"$TEST_HOME/gtk.log" &
GTK=$!
PIDS_TO_KILL+=($GTK)
wait_for_state '.LastTarget.exe == "cvd-gtk" and .LastTarget.title == "GTK target"' "the GTK window as the target"
wait_for_state '.CurrentGroup == "Gtk"' "the group tied to cvd-gtk"

# Its own copy command: a clip of the group on screen, exactly.
kill -USR1 "$GTK"
wait_for_state ".groups[1].Buttons[0].Text == $(jq -n --arg t "$copied" '$t')" "the copy inside the GTK window"
[ "$(state_get '.groups[0].Buttons[0].Text')" = "" ] || fail "the copy went to the other group"

# A key replaces the selection; then a click pastes the button's text after
# it, exactly, and the window keeps the focus.
wtype x
wait_for_file_content "$gtk_out" x
click_button "$win" 1
wait_for_file_content "$gtk_out" "x$copied"
sleep 0.2
[ "$(focused_app)" = cvd-gtk ] || fail "the focus is on $(focused_app) after the paste"

# A window whose title a paste method names gets its key macro (nothing
# after the paste key: GTK inserts the pasted text when its owner has
# handed it over, after keys that follow at once).
method_out="$TEST_HOME/method.out"
GDK_BACKEND=wayland /usr/bin/python3 "$(dirname "$0")/../support/gtk_target.py" cvd-method 'Method target' "$method_out" \
  2>>"$TEST_HOME/gtk.log" &
PIDS_TO_KILL+=($!)
wait_for_state '.LastTarget.title == "Method target"' "the second GTK window as the target"
click_button "$win" 1
wait_for_file_content "$method_out" "[$copied"
echo ok
