#!/usr/bin/env bash
# Fails when an include under src/ points up a floor. Floors, lowest first:
# core -> diagnosis, probes -> reports -> viewmodel -> views -> app. platform/ holds the interfaces and
# their implementations; it may include core values, and nothing in it may include a higher floor.
set -euo pipefail
cd "$(dirname "$0")/../src"

floor() {
  case "$1" in
    core) echo 0 ;;
    diagnosis | probes) echo 1 ;;
    reports) echo 2 ;;
    viewmodel) echo 3 ;;
    views) echo 4 ;;
    app) echo 5 ;;
    platform) echo 0 ;;
    *) echo -1 ;;
  esac
}

status=0
while IFS= read -r hit; do
  file=${hit%%:*}
  rest=${hit#*:}
  line=${rest%%:*}
  target=$(sed -E 's/.*#include "([a-z]+)\/.*/\1/' <<<"$rest")
  source_folder=${file%%/*}
  from=$(floor "$source_folder")
  to=$(floor "$target")
  [ "$from" -lt 0 ] || [ "$to" -lt 0 ] && continue
  # platform/ sits beside core: it may include core values but nothing above them.
  if [ "$to" -gt "$from" ] || { [ "$source_folder" = platform ] && [ "$target" != platform ] && [ "$target" != core ]; }; then
    echo "src/$file:$line: $source_folder/ must not include $target/ (a higher floor)"
    status=1
  fi
  # Only the platform folder names an implementation; services get theirs injected.
  if [ "$source_folder" != platform ] && grep -q -E '#include "platform/(linux|macos)/' <<<"$rest"; then
    echo "src/$file:$line: only platform/ may name a platform implementation"
    status=1
  fi
done < <(grep -rn -E '^#include "[a-z]+/' --include='*.h' --include='*.cpp' .  | sed 's|^\./||')
[ "$status" -eq 0 ] && echo "Includes point down the floors."
exit "$status"
