#!/usr/bin/env bash
# corvinade-tool keys sway prints bindings sway takes as they are: a key
# pressed on the seat runs the command with the function's name intact.
# (sway runs commands as its own user, which cannot reach the program's
# socket under root: a stand-in for the tool writes down its arguments, and
# the test hands them on to the real tool.)
source "$(dirname "$0")/lib.sh"
start_sway
mkdir -p -m 700 "$XDG_DATA_HOME/Corvinade"
# A quick fix whose name needs quoting, on Ctrl+Alt+Q.
printf '%s\r\n' '[QuickFixes]' 'NumFix=1' "Name1=it's \"quoted\"" 'Action1=U' '[HotKeys]' "it's \"quoted\"=849" \
  >"$XDG_DATA_HOME/Corvinade/corvinade.ini"
bindings=$("$TOOL" keys sway) || fail "keys sway failed"
grep -qx "bindsym Mod1+p exec \"'$TOOL' do 'Paste active button'\"" <<<"$bindings" || fail "no paste binding: $bindings"

stand_in="$TEST_HOME/sway/tool"
fired="$TEST_HOME/sway/fired"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >%s.tmp; mv %s.tmp %s\n' "$fired" "$fired" "$fired" >"$stand_in"
chmod 755 "$stand_in"
while IFS= read -r line; do
  [[ $line = \#* ]] && continue
  swaymsg -- "${line//$TOOL/$stand_in}" >/dev/null || fail "sway refused: $line"
done <<<"$bindings"

press() {
  rm -f "$fired"
  wtype "$@"
  for _ in $(seq 100); do
    [ -s "$fired" ] && return 0
    sleep 0.05
  done
  fail "no command ran after wtype $*"
}
press -M alt p -m alt
[ "$(cat "$fired")" = $'do\nPaste active button' ] || fail "ran with: $(cat "$fired")"
press -M ctrl -M alt q -m alt -m ctrl
[ "$(cat "$fired")" = "do"$'\n'"it's \"quoted\"" ] || fail "ran with: $(cat "$fired")"
echo ok
