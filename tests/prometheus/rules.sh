#!/usr/bin/env bash
# The shipped Prometheus rules load (promtool check rules) and behave as their tests say (promtool
# test rules). Skips (status 77) where promtool is not installed.
#   bash tests/prometheus/rules.sh
set -euo pipefail
cd "$(dirname "$0")/../../packaging/prometheus"
command -v promtool >/dev/null || { echo "SKIPPED: promtool is not installed (Debian package prometheus)"; exit 77; }
promtool check rules linkmeter.rules.yml
promtool test rules linkmeter.rules.test.yml
