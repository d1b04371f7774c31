#!/usr/bin/env bash
# A big history shows its window while the other groups are still being
# read. Ending the program right then, by "quit" or by kill -9, leaves the
# data file as it was: a save waits for every group, a kill writes nothing.
source "$(dirname "$0")/lib.sh"
DATA="$XDG_DATA_HOME/Corvinade"
mkdir -p -m 700 "$DATA"
printf '[Windows]\r\nShowOnStart=1\r\n' >"$DATA/corvinade.ini"
"$BUILD_DIR/corvinade_bigdata" "$DATA" 40 1000 >/dev/null || fail "no data file"
start_display

start_and_end() {  # how: quit or kill
  start_program
  wait_for_window Corvinade >/dev/null || fail "no button window: $(cat "$TEST_HOME/corvinade.log")"
  if [ "$1" = quit ]; then
    "$TOOL" quit >/dev/null || fail "quit was not taken"
  else
    kill -9 "$CVD_PID"
  fi
  wait_for_exit "$CVD_PID" 30 || fail "still running after $1"
}

# The file as this program writes it (the window's place is stored in it).
start_and_end quit
cp "$DATA/corvinade.dat" "$TEST_HOME/saved.dat"
for how in quit kill quit; do
  start_and_end "$how"
  cmp -s "$DATA/corvinade.dat" "$TEST_HOME/saved.dat" || fail "the data file changed after $how"
done
start_program
wait_until_started >/dev/null
[ "$(state | jq '[.groups[].Buttons | length] | unique')" = "$(printf '[\n  1000\n]')" ] ||
  fail "groups after the restarts: $(state | jq -c '[.groups[].Buttons | length]')"
echo "big history ok"
