#!/usr/bin/env bash
# Installs what is missing, builds Linkmeter and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLINKMETER_BUILD_TESTS=OFF >/dev/null
cmake --build build --target linkmeter -j"$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Linkmeter under a virtual X server (Xvfb)."
  exec xvfb-run -a -s "-screen 0 1280x800x24" build/src/linkmeter "$@"
fi
exec build/src/linkmeter "$@"
