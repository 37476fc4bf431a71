#!/usr/bin/env bash
# Installs what building and the tests need, builds everything and runs every test through CTest.
# BUILD_DIR and extra CMake options (CMAKE_OPTIONS) let CI run the same suite in other builds.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
build=${BUILD_DIR:-build}
# Let ccache share results between checkouts in different folders.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
# Tests are switched on explicitly: a build folder configured without them must not pass empty.
# shellcheck disable=SC2086
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLINKMETER_BUILD_TESTS=ON ${CMAKE_OPTIONS:-} >/dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build"
# Each test's time limit is set where the tests are registered (tests/CMakeLists.txt).
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error -j"$(nproc)"
