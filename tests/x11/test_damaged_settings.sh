#!/usr/bin/env bash
# Damaged files at start are kept aside byte for byte and told in a message
# box before the button window comes up: "corvinade.ini" is written clean at
# exit, a "Network.ini" that names no data folder is left as it is, and a
# data file with a damaged last separator keeps the values after it.
EXPECTED_WARNINGS='^corvinade\.settings: warning: .*(corvinade|Network)\.ini could not be read'
source "$(dirname "$0")/lib.sh"
start_display
DATA="$XDG_DATA_HOME/Corvinade"
mkdir -m 700 "$DATA"

# Starts the program, answers the message box (titled as the button window,
# which is not up yet) and waits for the button window.
start_past_message() {
  start_program
  local box
  box=$(wait_for_window Corvinade) || fail "no message box: $(cat "$TEST_HOME/corvinade.log")"
  xprop -id "$box" _NET_WM_WINDOW_TYPE | grep -q DIALOG || fail "no message box came first"
  xdotool windowactivate --sync "$box" key Return >/dev/null 2>&1
  wait_until_started >/dev/null
}
quit() { "$TOOL" quit >/dev/null && wait_for_exit "$CVD_PID" 5 || fail "did not quit"; }

head -c 2048 /dev/urandom >"$TEST_HOME/garbage.ini"
cp "$TEST_HOME/garbage.ini" "$DATA/corvinade.ini"
start_past_message
cmp "$DATA/corvinade.ini.damaged" "$TEST_HOME/garbage.ini" || fail "corvinade.ini not kept byte for byte"
quit
head -n1 "$DATA/corvinade.ini" | grep -q '^\[' || fail "garbage kept in front of the first section"
LC_ALL=C grep -q '[^[:print:][:space:]]' "$DATA/corvinade.ini" && fail "bytes that are not text written back"

# "Network.ini" named another data folder until a byte of it flipped.
printf '%s\r\n' '[Directorles]' "DataDir=$TEST_HOME/" >"$DATA/Network.ini"
cp "$DATA/Network.ini" "$TEST_HOME/network.ini"
start_past_message
[ "$(state_get '.directories.DataDir')" = "$DATA/" ] || fail "data folder $(state_get .directories.DataDir)"
quit
cmp "$DATA/Network.ini" "$TEST_HOME/network.ini" || fail "the damaged Network.ini was rewritten"
cmp "$DATA/Network.ini.damaged" "$TEST_HOME/network.ini" || fail "the damaged Network.ini was not kept"
rm "$DATA/Network.ini"

# The data file written at exit gets three columns after its one group's
# separator line, and one character of that line changed.
dat="$DATA/corvinade.dat"
separator=$((10 + 3 * ($(sed -n 5p "$dat" | tr -d '\r') + $(sed -n 6p "$dat" | tr -d '\r'))))
line=$(sed -n ${separator}p "$dat" | tr -d '\r')
[ "$("$TOOL" decrypt "$line")" = "--Group separator--" ] || fail "no separator at line $separator"
if [ "${line:3:1}" = + ]; then changed=-; else changed=+; fi
sed -i -e "${separator}s/.*/${line:0:3}$changed${line:4}\r/" -e "$((separator + 3))s/.*/$("$TOOL" encrypt 3)\r/" "$dat"
cp "$dat" "$TEST_HOME/damaged.dat"
start_past_message
[ "$(state_get '.groups[0].NumColumns')" = 3 ] || fail "the values after the damaged separator were lost"
cmp "$DATA/corvinade.dat.damaged" "$TEST_HOME/damaged.dat" || fail "the damaged data file was not kept"
quit
echo PASS
