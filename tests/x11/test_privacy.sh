#!/usr/bin/env bash
# Copies never kept: one its password manager marks secret, one made while a
# listed program is active, every copy while paused; none leaves a button, a
# journal line or a share line, and the same copies from elsewhere are kept.
# The data folder is made 0700 (and narrowed to it once), and the files
# written there are 0600 after a start, copies, the daily backup and a quit.
source "$(dirname "$0")/lib.sh"
DATA="$XDG_DATA_HOME/Corvinade"
SHARE="$TEST_HOME/share"
mkdir -p "$SHARE"
EXPECTED_WARNINGS='^corvinade\.data: warning: the data folder .* could be read by other users \(mode 0755\)'
export CORVINADE_LOG=debug # the info lines say why a copy was skipped
start_display
mode() { stat -c %a "$1"; }
lines() { if [ -f "$1" ]; then wc -l <"$1"; else echo 0; fi; }
said() { grep -c 'could be read by other users' "$TEST_HOME/corvinade.log"; }

# A first run makes the folder and the data file, whose group is then
# shared; the second start finds the folder opened to others. The daily
# backup is due at the next minute, a minute after the second start.
start_program
wait_until_started >/dev/null
[ "$(mode "$DATA")" = 700 ] || fail "the data folder was made $(mode "$DATA")"
"$TOOL" quit
wait_for_exit "$CVD_PID" || fail "no exit"
sed -i "s|^$("$TOOL" encrypt NotShared)\r\$|$("$TOOL" encrypt Shared)\r|" "$DATA/corvinade.dat"
[ "$(date +%S)" -lt 55 ] || sleep 6 # the start must come before the backup time
sed -i "s|^BackupTime=.*|BackupTime=$(date -d '+1 minute' +%H:%M):00\r|" "$DATA/corvinade.ini"
printf '%s\r\n' '[Share]' "ShareDir=$SHARE/" 'Enabled=1' >"$DATA/Network.ini"
chmod 644 "$DATA/corvinade.ini" "$DATA/Network.ini" && chmod 755 "$DATA"
start_program
wait_until_started >/dev/null
[ "$(mode "$DATA")" = 700 ] && [ "$(said)" = 1 ] || fail "folder $(mode "$DATA"), said $(said) times"

own() {
  "$BUILD_DIR/tests/secret_owner" "$@" >"$TEST_HOME/owner.out" &
  PIDS_TO_KILL+=($!)
  for _ in $(seq 100); do grep -qx owner "$TEST_HOME/owner.out" && return 0 || sleep 0.05; done
  fail "no selection owner"
}
kept() {
  wait_for_state ".groups[0].Buttons[0].Text == \"$1\"" "$1 kept"
  before=$(clip_texts) journal=$(lines "$DATA/corvinade.jnl") shared=$(lines "$SHARE/Corvinade.cdf")
}
# Nothing kept, and the log says why (never what).
not_kept() {
  sleep 0.5
  [ "$(clip_texts)" = "$before" ] || fail "$1 became a clip: $(clip_texts)"
  [ "$(lines "$DATA/corvinade.jnl")" = "$journal" ] && [ "$(lines "$SHARE/Corvinade.cdf")" = "$shared" ] ||
    fail "$1 was journalled or shared"
  grep -qF "a copy was not kept: $2" "$TEST_HOME/corvinade.log" || fail "no log line for $1"
  if grep -qF "$1" "$TEST_HOME/corvinade.log"; then fail "$1 is in the log"; fi
}

own "plain text"
kept "plain text"
[ "$shared" -ge 1 ] || fail "the plain copy was not shared"
own "hunter2-secret" --hint
not_kept hunter2-secret "its program marked it as a secret"

xterm -class KeePassXC -title vault -geometry 40x5+10+10 >/dev/null 2>&1 &
PIDS_TO_KILL+=($!)
win=$(wait_for_window vault) || fail "no xterm"
xdotool windowactivate --sync "$win" >/dev/null 2>&1
copy_text "vault-entry"
not_kept vault-entry "it was made in a program whose copies are never kept (KeePassXC)"
xterm -title notes -geometry 40x5+10+200 >/dev/null 2>&1 &
PIDS_TO_KILL+=($!)
win=$(wait_for_window notes) || fail "no xterm"
xdotool windowactivate --sync "$win" >/dev/null 2>&1
copy_text "vault-entry"
kept "vault-entry"

"$TOOL" do "Pause Clipboard History"
wait_for_state '.paused == true' "the pause"
copy_text "paused-copy"
not_kept paused-copy "the clipboard history is paused"
"$TOOL" do "Pause Clipboard History"
copy_text "after the pause"
kept "after the pause"

day=$(date +%y%m%d)
for _ in $(seq 150); do [ -f "$DATA/corvinade.dat.$day" ] && break || sleep 0.5; done
"$TOOL" quit
wait_for_exit "$CVD_PID" || fail "no exit"
for file in corvinade.ini Network.ini corvinade.dat corvinade.jnl "corvinade.ini.$day" "corvinade.dat.$day"; do
  [ "$(mode "$DATA/$file" 2>&1)" = 600 ] || fail "$file: $(mode "$DATA/$file" 2>&1)"
done
[ -z "$(find "$DATA" -perm /077)" ] && [ "$(said)" = 1 ] || fail "open to others: $(find "$DATA" -perm /077)"
echo "PASS"
