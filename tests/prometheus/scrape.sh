#!/usr/bin/env bash
# A real Prometheus scrapes `linkmeter --serve-metrics` for 20 seconds, and its query API returns the
# quality score and the internet latency; promtool checks a scrape of its own. Everything runs in a
# network namespace of its own, with the internet host (1.1.1.1) on its loopback interface, so the
# pings are answered and nothing leaves the machine; the program has no display and no session bus.
# Skips (status 77) without Prometheus or where no namespace can be made.
#   bash tests/prometheus/scrape.sh PATH/TO/linkmeter WORK-FOLDER
set -euo pipefail
program=$(realpath "${1:?usage: scrape.sh LINKMETER WORK-FOLDER}")
work=${2:?usage: scrape.sh LINKMETER WORK-FOLDER}
skip() {
  echo "SKIPPED: $*"
  exit 77
}
fail() {
  echo "FAILED: $*"
  for log in "$work"/*.log; do
    echo "== $log"
    tail -n 20 "$log"
  done
  exit 1
}

command -v prometheus >/dev/null && command -v promtool >/dev/null ||
  skip "Prometheus is not installed (Debian package prometheus)"
command -v curl >/dev/null || skip "curl is not installed"
if [ "${LINKMETER_SCRAPE_NAMESPACE:-}" != 1 ]; then
  unshare --net --map-root-user true 2>/dev/null || skip "no network namespace can be made here"
  LINKMETER_SCRAPE_NAMESPACE=1 exec unshare --net --map-root-user bash "$0" "$@"
fi

ip link set lo up
ip addr add 1.1.1.1/32 dev lo
# The namespace's own setting: echo sockets for everyone, as most desktops allow.
echo "0 2147483647" >/proc/sys/net/ipv4/ping_group_range 2>/dev/null || true

rm -rf "$work"
mkdir -p "$work/home" "$work/prometheus-data"
work=$(realpath "$work")
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap cleanup EXIT

# Sanitizer settings pass through, so a sanitized build is judged as CI asks.
env -i HOME="$work/home" PATH=/usr/bin:/bin LANG=C.UTF-8 ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} \
  ${UBSAN_OPTIONS:+UBSAN_OPTIONS="$UBSAN_OPTIONS"} "$program" --serve-metrics 127.0.0.1:0 \
  >"$work/linkmeter.log" 2>&1 &
linkmeter_pid=$!
pids+=("$linkmeter_pid")
port=""
for _ in $(seq 100); do
  port=$(sed -n 's|^Serving metrics on http://127.0.0.1:\([0-9]*\)/metrics$|\1|p' "$work/linkmeter.log")
  [ -n "$port" ] && break
  kill -0 "$linkmeter_pid" 2>/dev/null || fail "linkmeter --serve-metrics ended"
  sleep 0.1
done
[ -n "$port" ] || fail "linkmeter did not say where it serves"

# A few ping passes first, so the scrape holds every family the link allows.
sleep 3
curl -sf "http://127.0.0.1:$port/metrics" >"$work/scrape.txt" || fail "no answer at /metrics"
promtool check metrics <"$work/scrape.txt" >"$work/promtool.log" 2>&1 || fail "promtool check metrics"
echo "promtool check metrics: passed on a scrape of $(grep -vc '^#' "$work/scrape.txt") samples"

# Any port is free in a namespace of our own; pick one at random all the same.
prometheus_port=$((20000 + RANDOM % 20000))
cat >"$work/prometheus.yml" <<YAML
global:
  scrape_interval: 1s
  evaluation_interval: 1s
scrape_configs:
  - job_name: linkmeter
    static_configs:
      - targets: ['127.0.0.1:$port']
YAML
prometheus --config.file="$work/prometheus.yml" --storage.tsdb.path="$work/prometheus-data" \
  --web.listen-address="127.0.0.1:$prometheus_port" >"$work/prometheus.log" 2>&1 &
pids+=("$!")
api="http://127.0.0.1:$prometheus_port"
for _ in $(seq 100); do
  curl -sf "$api/-/ready" >/dev/null 2>&1 && break
  sleep 0.2
done
curl -sf "$api/-/ready" >/dev/null || fail "Prometheus did not start"

sleep 20

# Samples over the 20 seconds, one series each.
count() {
  promtool query instant "$api" "count_over_time($1[1m])" 2>>"$work/prometheus.log" |
    sed -n 's/.*=> \([0-9]*\) @.*/\1/p' | head -n 1
}
for query in 'linkmeter_quality_score' 'linkmeter_ping_latency_seconds{target="internet"}' 'up{job="linkmeter"}'; do
  samples=$(count "$query")
  echo "$query: ${samples:-no} samples"
  [ "${samples:-0}" -ge 10 ] || fail "Prometheus holds too few samples of $query"
done
[ "$(promtool query instant "$api" 'min_over_time(up{job="linkmeter"}[1m])' | sed -n 's/.*=> \([0-9]*\) @.*/\1/p')" = 1 ] ||
  fail "a scrape failed"

# A stop signal ends it cleanly, closing the timeline's monitoring span.
kill -TERM "$linkmeter_pid"
for _ in $(seq 50); do
  kill -0 "$linkmeter_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$linkmeter_pid" 2>/dev/null && fail "linkmeter did not end on SIGTERM"
wait "$linkmeter_pid" || fail "linkmeter ended with status $?"
[ -s "$work/home/.local/share/linkmeter/history.sqlite" ] || fail "no timeline was written"
echo "scraped by Prometheus for 20 seconds"
