#!/usr/bin/env bash
# Checks the README's promise on a fresh Debian 12: a minimal root made by
# debootstrap, with only make and git added, clones this tree's committed
# state and runs `make test` in it, as a new developer or CI would.
#   sudo scripts/fresh-root-test.sh [ROOT]      (default /tmp/corvinade-fresh-root)
# The root is kept for the next run (MIRROR= picks the Debian mirror); the
# clone inside it is made anew each time. Needs root: debootstrap, mount, chroot.
set -euo pipefail
SOURCE=$(cd "$(dirname "$0")/.." && pwd)
ROOT=${1:-/tmp/corvinade-fresh-root}
MIRROR=${MIRROR:-http://deb.debian.org/debian}
[ "$(id -u)" -eq 0 ] || { echo "run as root: debootstrap, mount and chroot need it" >&2; exit 1; }

if ! command -v debootstrap >/dev/null; then apt-get install -y -qq debootstrap >/dev/null; fi
if [ ! -x "$ROOT/usr/bin/apt-get" ]; then
  debootstrap --variant=minbase bookworm "$ROOT" "$MIRROR"
fi

mounted=()
unmount_all() {
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -R "${mounted[$i]}" 2>/dev/null || true; done
}
trap unmount_all EXIT
for fs in proc sys dev; do
  mountpoint -q "$ROOT/$fs" || { mount --rbind "/$fs" "$ROOT/$fs" && mount --make-rslave "$ROOT/$fs"; mounted+=("$ROOT/$fs"); }
done
cp /etc/resolv.conf "$ROOT/etc/resolv.conf"

in_root() { chroot "$ROOT" env -i HOME=/root TERM=dumb LANG=C.UTF-8 PATH=/usr/sbin:/usr/bin:/sbin:/bin "$@"; }
in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends make git ca-certificates >/dev/null

rm -rf "$ROOT/root/corvinade"
git clone -q "$SOURCE" "$ROOT/root/corvinade"
start=$(date +%s)
status=0
in_root bash -c 'cd /root/corvinade && make test' || status=$?
echo "make test ended with status $status after $(( ($(date +%s) - start) / 60 )) minutes"
exit $status
