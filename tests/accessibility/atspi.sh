#!/usr/bin/env bash
# What a screen reader gets: the render tool shows the status view in a window under Xvfb, with the
# accessibility bus of at-spi2-core on a private session bus, and read_tree.py reads the live tree
# through AT-SPI. Skips (77) when at-spi2-core, python3-pyatspi or Xvfb is missing.
# Usage: atspi.sh RENDER_TOOL. With LINKMETER_REQUIRE_ATSPI=1 (CI) a missing package fails instead.
set -euo pipefail
skip=77
[ "${LINKMETER_REQUIRE_ATSPI:-}" = 1 ] && skip=1
render=$1
here=$(cd "$(dirname "$0")" && pwd)
# Debian's interpreter, which is the one python3-pyatspi installs into.
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher
for need in xvfb-run dbus-run-session "$launcher" "$python"; do
  command -v "$need" >/dev/null || [ -x "$need" ] ||
    { echo "atspi: $need is missing (apt install at-spi2-core python3-pyatspi xvfb dbus); skipped"; exit $skip; }
done
"$python" -c 'import pyatspi' 2>/dev/null || { echo "atspi: python3-pyatspi is missing; skipped"; exit $skip; }

exec xvfb-run -a -s "-screen 0 1280x800x24" dbus-run-session -- bash -c '
  set -euo pipefail
  "$1" --launch-immediately &
  launcher=$!
  export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
  "$2" status-fair-tip-expanded --show &
  app=$!
  trap "kill $app $launcher 2>/dev/null || true" EXIT
  "$3" "$4/read_tree.py" linkmeter-render
' atspi "$launcher" "$render" "$python" "$here"
