#!/usr/bin/env bash
# The user's files are the user's: a data folder others could read is made
# 0700 at start (and said once), and the settings, data file, journal and
# backups written there are 0600 after a start, a copy, the daily backup and
# a quit. The share file stays readable by others.
source "$(dirname "$0")/lib.sh"
DATA="$XDG_DATA_HOME/Corvinade"
SHARE="$TEST_HOME/share"
mkdir -m 755 "$DATA" "$SHARE"
EXPECTED_WARNINGS='^corvinade\.data: warning: the data folder .*Corvinade/? could be read by other users \(mode 0755\)'
# The daily backup is due at the next whole minute: the first tick of the
# once-a-minute clock, a minute after the start, makes it.
printf '%s\r\n' '[Backup]' "BackupTime=$(date -d '+1 minute' +%H:%M):00" >"$DATA/corvinade.ini"
printf '%s\r\n' '[Share]' "ShareDir=$SHARE/" 'Enabled=1' >"$DATA/Network.ini"
chmod 644 "$DATA/corvinade.ini" "$DATA/Network.ini"
start_display
start_program
wait_until_started >/dev/null
mode() { stat -c %a "$1"; }
[ "$(mode "$DATA")" = 700 ] || fail "data folder mode $(mode "$DATA")"
[ "$(grep -c 'could be read by other users' "$TEST_HOME/corvinade.log")" = 1 ] || fail "not said once"

copy_text "a copy"
wait_for_state '.groups[0].Buttons[0].Text == "a copy"' "the copy"
[ "$(mode "$DATA/corvinade.jnl")" = 600 ] || fail "journal mode $(mode "$DATA/corvinade.jnl")"

day=$(date +%y%m%d)
for _ in $(seq 150); do
  [ -f "$DATA/corvinade.dat.$day" ] && break
  sleep 0.5
done
[ -f "$DATA/corvinade.dat.$day" ] || fail "no daily backup: $(ls "$DATA")"
"$TOOL" quit
wait_for_exit "$CVD_PID" || fail "no exit"

for file in corvinade.ini Network.ini corvinade.dat corvinade.jnl "corvinade.ini.$day" "corvinade.dat.$day"; do
  [ "$(mode "$DATA/$file")" = 600 ] || fail "$file has mode $(mode "$DATA/$file")"
done
[ -z "$(find "$DATA" -perm /077)" ] || fail "open to others: $(find "$DATA" -perm /077)"
[ "$(mode "$DATA")" = 700 ] || fail "data folder mode after the quit: $(mode "$DATA")"

# A second start finds nothing to narrow and says nothing.
start_program
wait_until_started >/dev/null
"$TOOL" quit
wait_for_exit "$CVD_PID" || fail "no second exit"
[ "$(grep -c 'could be read by other users' "$TEST_HOME/corvinade.log")" = 1 ] || fail "said again"
echo "PASS"
