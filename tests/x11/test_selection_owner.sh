#!/usr/bin/env bash
# The paste's selection owner answers readers from its own thread while the
# selections change hands (CI also runs it built with ThreadSanitizer).
source "$(dirname "$0")/lib.sh"
start_display
timeout 60 "$BUILD_DIR/tests/selection_owner_race" || fail "the selection owner failed a reader"
