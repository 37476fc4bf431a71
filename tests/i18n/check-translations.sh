#!/usr/bin/env bash
# Fails when a text a user reads in src/views or src/app is not marked for translation (it is not
# among the texts lupdate finds), and when a translation file has an unfinished or stale entry.
# Usage: check-translations.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every text marked anywhere in the program, as lupdate sees it.
"$lupdate" -silent -locations none -extensions cpp,h "$root/src" -ts "$work/all.ts" >/dev/null
# Each translation file brought up to date with the sources, to find entries no source has any more.
for ts in "$root"/translations/*.ts; do
  cp "$ts" "$work/$(basename "$ts")"
  "$lupdate" -silent -locations none -extensions cpp,h "$root/src" -ts "$work/$(basename "$ts")" >/dev/null
done
python3 "$(dirname "$0")/check_translations.py" "$root" "$work"
