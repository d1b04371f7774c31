#!/usr/bin/env bash
# Copies that are never kept: one its password manager marks secret, one
# made while a listed program is active or owns the clipboard, and every copy
# while the history is paused. None of them leaves a button, a journal line
# or a share line; the same copies from elsewhere are kept.
source "$(dirname "$0")/lib.sh"
OWNER="$BUILD_DIR/tests/secret_owner"
DATA="$XDG_DATA_HOME/Corvinade"
SHARE="$TEST_HOME/share"
mkdir -p "$SHARE"
# The info lines say why a copy was skipped.
export CORVINADE_LOG=debug
start_display

# A first run writes the data file; its "Default" group is then shared.
start_program
wait_for_window Corvinade >/dev/null || fail "no button window: $(cat "$TEST_HOME/corvinade.log")"
"$TOOL" quit
wait_for_exit "$CVD_PID" || fail "no exit"
off=$("$TOOL" encrypt NotShared) on=$("$TOOL" encrypt Shared)
sed -i "s|^${off}\r\$|${on}\r|" "$DATA/corvinade.dat"
printf '%s\r\n' '[Share]' "ShareDir=$SHARE/" 'Enabled=1' >"$DATA/Network.ini"
start_program
wait_until_started >/dev/null

# Runs the selection owner with these arguments until it owns CLIPBOARD.
own() {
  "$OWNER" "$@" >"$TEST_HOME/owner.out" 2>&1 &
  PIDS_TO_KILL+=($!)
  for _ in $(seq 100); do
    grep -qx owner "$TEST_HOME/owner.out" 2>/dev/null && return 0
    sleep 0.05
  done
  fail "the selection owner did not start: $(cat "$TEST_HOME/owner.out")"
}
lines() { if [ -f "$1" ]; then wc -l <"$1"; else echo 0; fi; }

# Waits long enough for a capture, then checks that nothing was kept and
# that the log says why (never what).
not_kept() {
  local what=$1 text=$2 why=$3
  sleep 0.5
  [ "$(clip_texts)" = "$before" ] || fail "$what became a clip: $(clip_texts)"
  [ "$(lines "$DATA/corvinade.jnl")" = "$journal" ] || fail "$what was journalled"
  [ "$(lines "$SHARE/Corvinade.cdf")" = "$shared" ] || fail "$what was shared"
  grep -qF "a copy was not kept: $why" "$TEST_HOME/corvinade.log" || fail "no log line for $what"
  if grep -qF "$text" "$TEST_HOME/corvinade.log"; then fail "the text of $what is in the log"; fi
}

own "plain text"
wait_for_state '.groups[0].Buttons[0].Text == "plain text"' "a plain copy is kept"
before=$(clip_texts) journal=$(lines "$DATA/corvinade.jnl") shared=$(lines "$SHARE/Corvinade.cdf")
[ "$shared" -ge 1 ] || fail "the plain copy was not shared"

own "hunter2-secret" --hint
not_kept "a copy marked secret" hunter2-secret "its program marked it as a secret"

own "vault-entry" --window KeePassXC
not_kept "a copy made in KeePassXC" vault-entry "it was made in a program whose copies are never kept (KeePassXC)"

own "bitwarden-entry" --owner-class Bitwarden
not_kept "a copy owned by Bitwarden" bitwarden-entry "its owner is a program whose copies are never kept (Bitwarden)"

own "notes entry" --window Notes
wait_for_state '.groups[0].Buttons[0].Text == "notes entry"' "the same copy from an unlisted window is kept"

# A paused history takes nothing until it is resumed.
before=$(clip_texts) journal=$(lines "$DATA/corvinade.jnl") shared=$(lines "$SHARE/Corvinade.cdf")
"$TOOL" do "Pause Clipboard History" || fail "no pause function"
wait_for_state '.paused == true' "the pause"
copy_text "paused-copy"
not_kept "a copy while paused" paused-copy "the clipboard history is paused"
"$TOOL" do "Pause Clipboard History"
wait_for_state '.paused == false' "the resume"
copy_text "after the pause"
wait_for_state '.groups[0].Buttons[0].Text == "after the pause"' "a copy after the pause is kept"
"$TOOL" quit
wait_for_exit "$CVD_PID" || fail "no exit"
echo "PASS"
