#!/usr/bin/env bash
# Installs what building and running need (nothing only the tests use), builds Linkmeter and starts it.
# LINKMETER_RUN_SECONDS=N stops it with SIGTERM after N seconds (used by CI to prove it starts).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
# A folder of its own, so the test build's settings and this one never overwrite each other.
build=build-app
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLINKMETER_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target linkmeter -j"$(nproc)"

command=("$build/src/linkmeter" "$@")
if [ -n "${LINKMETER_RUN_SECONDS:-}" ]; then
  command=(timeout --preserve-status -s TERM "$LINKMETER_RUN_SECONDS" "${command[@]}")
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Linkmeter under a virtual X server (Xvfb)."
  exec xvfb-run -a -s "-screen 0 1280x800x24" "${command[@]}"
fi
exec "${command[@]}"
