#!/usr/bin/env bash
# Damaged settings and data files at start: the program keeps them aside
# byte for byte and says so in a message box before its window comes up. A
# damaged "corvinade.ini" is written clean at exit; a "Network.ini" that no
# longer names the data folder is left as it is, so the user's groups are
# not pointed away from for good; a data file whose last group separator is
# damaged still gives the values after it.
EXPECTED_WARNINGS='^corvinade\.settings: warning: .*(corvinade|Network)\.ini could not be read'
source "$(dirname "$0")/lib.sh"
start_display
DATA="$XDG_DATA_HOME/Corvinade"
mkdir -p "$DATA"

# The start's message box (titled as the button window, which is not up yet)
# is answered with Return; fails when none comes.
dismiss_start_message() {
  local box
  box=$(wait_for_window Corvinade) || fail "no message box: $(cat "$TEST_HOME/corvinade.log")"
  xprop -id "$box" _NET_WM_WINDOW_TYPE | grep -q DIALOG || fail "the first window is not a message box"
  xdotool windowactivate --sync "$box" >/dev/null 2>&1 || true
  xdotool key Return
}

head -c 2048 /dev/urandom >"$TEST_HOME/garbage.ini"
cp "$TEST_HOME/garbage.ini" "$DATA/corvinade.ini"
start_program
dismiss_start_message
wait_until_started >/dev/null
cmp "$DATA/corvinade.ini.damaged" "$TEST_HOME/garbage.ini" || fail "the damaged settings file was not kept byte for byte"
grep -q "kept as $DATA/corvinade.ini.damaged" "$TEST_HOME/corvinade.log" || fail "the copy was not named"
"$TOOL" quit >/dev/null
wait_for_exit "$CVD_PID" 5 || fail "did not quit"
# Written clean: sections and keys only, starting with a section.
head -n1 "$DATA/corvinade.ini" | grep -q '^\[' || fail "garbage kept in front of the first section"
LC_ALL=C grep -q '[^[:print:][:space:]]' "$DATA/corvinade.ini" && fail "bytes that are not text were written back"
grep -q $'^MainTop=' "$DATA/corvinade.ini" || fail "settings not written"
# Told once: the clean file starts without a word.
start_program
wait_until_started >/dev/null
[ ! -e "$DATA/corvinade.ini.damaged.2" ] || fail "a second copy was made"
"$TOOL" quit >/dev/null
wait_for_exit "$CVD_PID" 5 || fail "did not quit"

# "Network.ini" named another data folder; one byte of it flipped.
MINE="$TEST_HOME/mine"
mkdir -p "$MINE"
printf '%s\r\n' '[Directorles]' "DataDir=$MINE/" >"$DATA/Network.ini"
cp "$DATA/Network.ini" "$TEST_HOME/network.ini"
start_program
dismiss_start_message
wait_until_started >/dev/null
[ "$(state_get '.directories.DataDir')" = "$DATA/" ] || fail "data folder $(state_get .directories.DataDir)"
grep -q "Network.ini could not be read" "$TEST_HOME/corvinade.log" || fail "the damage was not logged"
"$TOOL" quit >/dev/null
wait_for_exit "$CVD_PID" 5 || fail "did not quit"
cmp "$DATA/Network.ini" "$TEST_HOME/network.ini" || fail "the damaged Network.ini was rewritten"
cmp "$DATA/Network.ini.damaged" "$TEST_HOME/network.ini" || fail "the damaged Network.ini was not kept"
rm "$DATA/Network.ini"

# The data file written at exit, with three columns after its one group's
# separator line, which gets one character changed.
dat="$DATA/corvinade.dat"
buttons=$(($(sed -n 5p "$dat" | tr -d '\r') + $(sed -n 6p "$dat" | tr -d '\r')))
separator=$((10 + 3 * buttons))
[ "$("$TOOL" decrypt "$(sed -n ${separator}p "$dat" | tr -d '\r')")" = "--Group separator--" ] || fail "no separator at line $separator"
sed -i "$((separator + 3))s/.*/$("$TOOL" encrypt 3)\r/" "$dat"
line=$(sed -n ${separator}p "$dat" | tr -d '\r')
if [ "${line:3:1}" = + ]; then changed=-; else changed=+; fi
sed -i "${separator}s/.*/${line:0:3}$changed${line:4}\r/" "$dat"
cp "$dat" "$TEST_HOME/damaged.dat"
start_program
dismiss_start_message
wait_until_started >/dev/null
[ "$(state_get '.groups[0].NumColumns')" = 3 ] || fail "the values after the damaged separator were lost"
cmp "$DATA/corvinade.dat.damaged" "$TEST_HOME/damaged.dat" || fail "the damaged data file was not kept"
"$TOOL" quit >/dev/null
wait_for_exit "$CVD_PID" 5 || fail "did not quit"
echo PASS
