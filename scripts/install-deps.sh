#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need.
# Idempotent: packages already present are not touched, and apt is skipped
# altogether when nothing is missing. With the argument "dev" (or "fuzz") it
# also installs what the checks CI runs need: clang for the sanitizer builds
# and the fuzz targets, clang-format and clang-tidy (make lint, make
# sanitize, make fuzz). With "kde" it adds KDE Plasma's compositor and its
# protocols for the KWin test (make test-kde): some 700 packages, so neither
# CI nor make test installs them.
set -euo pipefail

BUILD_PKGS=(
  g++ cmake ninja-build pkg-config make
  qt6-base-dev libgl-dev
  libx11-dev libxtst-dev libxfixes-dev libxcb1-dev
  libssl-dev libsimpleini-dev libicu-dev
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  libcanberra-dev dpkg-dev file
  libwayland-dev libwayland-bin libxkbcommon-dev wayland-protocols
)
RUN_PKGS=(
  xvfb xauth openbox tint2 x11-utils xdotool xclip xterm rxvt-unicode imagemagick jq tk
  fonts-dejavu-core procps poppler-utils dbus-daemon dbus-bin xdg-utils lintian man-db
  sway xwayland foot wl-clipboard wtype x11-xserver-utils
  mutter xdg-desktop-portal python3-dbus python3-gi gir1.2-gtk-3.0
)
DEV_PKGS=(clang libclang-rt-14-dev clang-format clang-tidy)
KDE_PKGS=(kwin-wayland plasma-wayland-protocols)

WANTED=("${BUILD_PKGS[@]}" "${RUN_PKGS[@]}")
case "${1:-}" in
  dev | fuzz) WANTED+=("${DEV_PKGS[@]}") ;;
  kde) WANTED+=("${KDE_PKGS[@]}") ;;
esac

missing=()
for p in "${WANTED[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq || true
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
