#!/usr/bin/env bash
# Copy on one computer to the clip showing on the other, through a shared
# folder: two programs on private X servers, each in its own UTS namespace.
# Usage: bench/share-latency.sh BUILD_DIR [ROUNDS]  (two copies per round)
set -euo pipefail
cd "$(dirname "$0")/.."
SHARE_ROUNDS=${2:-10} bash tests/x11/test_share.sh "${1:-build}" | awk '/^latency_ms/ { print $2 }' | sort -n |
  awk '{ v[NR] = $1 } END { if (NR == 0) exit 1
         printf "share latency over %d copies: median %d ms, worst %d ms\n", NR, v[int((NR + 1) / 2)], v[NR] }'
