#!/usr/bin/env bash
# Builds the fuzz harnesses with clang and runs each for SECONDS_EACH seconds (default 60), one after
# the other, growing a corpus per harness under build-fuzz/corpus (seeded from fuzz/seeds and the test
# fixtures). Names given as arguments run only those harnesses. Prints a table of executions per
# harness; fails when any harness finds a crash, leak or timeout, which it leaves in build-fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${SECONDS_EACH:-60}
build=build-fuzz
bash scripts/deps.sh test
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
cmake -S fuzz -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
  for harness in fuzz/*.cpp; do harnesses+=("$(basename "$harness" .cpp)"); done
fi

export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=0
table=()
for name in "${harnesses[@]}"; do
  corpus="$build/corpus/$name" findings="$build/findings/$name"
  mkdir -p "$corpus" "$findings"
  [ -d fuzz/seeds/"$name" ] && cp -n fuzz/seeds/"$name"/* "$corpus"/
  [ "$name" = proc_route ] && cp -n tests/fixtures/proc-net-route-* "$corpus"/
  log="$build/findings/$name.log"
  status=ok
  # Each input gets at most 5 seconds; the parsers take microseconds.
  "$build/fuzz_$name" "$corpus" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
    -artifact_prefix="$findings/" -print_final_stats=1 >"$log" 2>&1 || status=FAILED
  runs=$(awk '/^stat::number_of_executed_units:/ { print $2 }' "$log")
  time=$(awk '/^Done [0-9]+ runs in/ { print $5 }' "$log")
  table+=("$(printf '%-22s %12s %6s s  %s' "$name" "${runs:-?}" "${time:-?}" "$status")")
  if [ "$status" != ok ]; then
    failed=1
    echo "== $name found a problem: $log, inputs in $findings"
    grep -m 5 -E "ERROR|runtime error|SUMMARY" "$log" || true
  fi
done
printf '%-22s %12s %8s  %s\n' harness executions seconds result
printf '%s\n' "${table[@]}"
exit "$failed"
