#!/usr/bin/env bash
# The paste's data-control owner serves readers from its own thread while
# the selections change hands (CI also runs it built with ThreadSanitizer).
source "$(dirname "$0")/lib.sh"
start_sway
timeout 60 "$BUILD_DIR/tests/data_control_owner_race" || fail "the data-control owner failed a reader"
