#!/usr/bin/env bash
# In a sway session a copy its password manager marks secret and a copy
# made while a listed program's window is active are never kept, read
# through the compositor as on X11; the same copies from elsewhere are.
source "$(dirname "$0")/lib.sh"
export CORVINADE_LOG=debug # the info lines say why a copy was skipped
start_sway
start_program
wait_until_started >/dev/null

own() {
  "$BUILD_DIR/tests/data_source" "$@" >/dev/null &
  PIDS_TO_KILL+=($!)
}
# Waits for the log line that says why (never what), then finds no new clip.
not_kept() {
  for _ in $(seq 100); do
    grep -qF "a copy was not kept: $2" "$TEST_HOME/corvinade.log" && break
    sleep 0.05
  done
  grep -qF "a copy was not kept: $2" "$TEST_HOME/corvinade.log" || fail "no log line for $1"
  sleep 0.2
  [ "$(clip_texts)" = "$before" ] || fail "$1 became a clip: $(clip_texts)"
}
# foot, with app_id $1, copies $2 as its own selection once it has the focus.
foot_copies() {
  foot -a "$1" sh -c "sleep 1; printf '\\033]52;c;%s\\a' '$(printf '%s' "$2" | base64 -w0)'; sleep 60" >/dev/null 2>&1 &
  PIDS_TO_KILL+=($!)
}

own 'text/plain;charset=utf-8:plain text'
wait_for_state '.groups[0].Buttons[0].Text == "plain text"' "a plain copy"
before=$(clip_texts)
own 'text/plain;charset=utf-8:hunter2' 'x-kde-passwordManagerHint:secret'
not_kept hunter2 "its program marked it as a secret"

foot_copies KeePassXC 'vault-entry'
not_kept vault-entry "it was made in a program whose copies are never kept (KeePassXC)"
foot_copies notes 'vault-entry'
wait_for_state '.groups[0].Buttons[0].Text == "vault-entry"' "the same copy in another program"
echo ok
