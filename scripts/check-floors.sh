#!/usr/bin/env bash
# Fails when an include under src/ points up a floor. Floors, lowest first:
# core -> diagnosis, probes -> history, reports -> viewmodel -> views -> app. platform/ holds the
# interfaces to the operating system and system/ their implementations; both sit beside core and may
# include core values (system/ also the interfaces it implements), nothing higher. Only app/, the
# composition root, names an implementation in system/.
set -euo pipefail
cd "$(dirname "$0")/../src"

floor() {
  case "$1" in
    core | platform | system) echo 0 ;;
    diagnosis | probes) echo 1 ;;
    history | reports) echo 2 ;;
    viewmodel) echo 3 ;;
    views) echo 4 ;;
    app) echo 5 ;;
    *) echo -1 ;;
  esac
}

# What each folder beside core may include.
allowed_beside_core() {
  case "$1" in
    platform) [[ "$2" =~ ^(platform|core)$ ]] ;;
    system) [[ "$2" =~ ^(system|platform|core)$ ]] ;;
    *) true ;;
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
  if [ "$to" -gt "$from" ] || ! allowed_beside_core "$source_folder" "$target"; then
    echo "src/$file:$line: $source_folder/ must not include $target/ (a higher floor)"
    status=1
  fi
  # Services get their implementations injected; only the composition root picks them.
  if [ "$target" = system ] && [ "$source_folder" != system ] && [ "$source_folder" != app ]; then
    echo "src/$file:$line: only app/ may name an implementation in system/"
    status=1
  fi
done < <(grep -rn -E '^#include "[a-z]+/' --include='*.h' --include='*.cpp' . | sed 's|^\./||')
# platform/ is interfaces and the values they carry: no code of its own.
if compgen -G "platform/*.cpp" >/dev/null; then
  for f in platform/*.cpp; do
    echo "src/$f: platform/ holds interfaces only; implementations go to system/"
  done
  status=1
fi
[ "$status" -eq 0 ] && echo "Includes point down the floors."
exit "$status"
