#!/usr/bin/env bash
# Switching the button window to a group of 1000 buttons and laying it out
# (100 groups of 1000 buttons), on a private X server: median of N switches.
# Usage: bench/group-switch.sh BUILD_DIR [N]
source "$(dirname "$0")/../tests/x11/lib.sh"
N=${2:-9}
GEN=${BIGDATA_GEN:-$BUILD_DIR/corvinade_bigdata}
SWITCH=$BUILD_DIR/corvinade_groupswitch
[ -x "$GEN" ] && [ -x "$SWITCH" ] || fail "build the corvinade_bigdata and corvinade_groupswitch targets"
DATA="$XDG_DATA_HOME/Corvinade"
mkdir -m 700 "$DATA"
start_display
"$GEN" "$DATA" 100 1000 || fail "could not write the data file"
${SWITCH_WRAP:-} "$SWITCH" "$DATA" "$N"
