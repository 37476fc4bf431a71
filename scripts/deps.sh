#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, skipping what is present.
set -euo pipefail

packages=(
  build-essential cmake ccache pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev libqt6sql6-sqlite
  libnl-3-dev libnl-genl-3-dev nlohmann-json3-dev libssl-dev
  libgtest-dev libgmock-dev
  iputils-ping iproute2 dbus xvfb xauth fonts-dejavu-core
  dpkg-dev file gzip desktop-file-utils appstream lintian
  clang
  # Tests only: the DNS switch runs against a real NetworkManager in a namespace of its own.
  network-manager
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
