#!/usr/bin/env bash
# Installs the Debian packages that building and running Linkmeter need, skipping what is present.
#   bash scripts/deps.sh        what scripts/run.sh needs: compilers, libraries, the tools it runs
#   bash scripts/deps.sh test   that, and what the tests, the package check and fuzzing need
set -euo pipefail

packages=(
  build-essential cmake ccache pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev libqt6sql6-sqlite
  libnl-3-dev libnl-genl-3-dev nlohmann-json3-dev libssl-dev
  # lupdate/lrelease and their CMake functions; Qt's own translations of its dialogs.
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  # Tools the program runs, and a virtual display for machines without one.
  iputils-ping iproute2 xvfb xauth fonts-dejavu-core
  # Qt's window-system plugin for Wayland sessions (GNOME's and Plasma's default).
  qt6-wayland
)
case "${1:-}" in
  "") ;;
  test)
    packages+=(
      libgtest-dev libgmock-dev
      # Private session buses for the D-Bus tests.
      dbus
      # The translation check, and the screen reader's view of the program (AT-SPI).
      python3 at-spi2-core python3-pyatspi
      # Building and checking the Debian package.
      dpkg-dev file gzip desktop-file-utils appstream lintian
      # The fuzz harnesses.
      clang
    )
    # The DNS switch's test against a real NetworkManager is not set up here: it brings a system
    # service with it. .ci/run installs network-manager; the test says how when it is missing.
    ;;
  *)
    echo "usage: deps.sh [test]" >&2
    exit 2
    ;;
esac

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
