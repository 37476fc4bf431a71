#!/usr/bin/env bash
# Checks a built Debian package: unpacks it into a temporary root, compares the file list, runs the
# unpacked program's --version and --help, and validates the desktop entry, the AppStream metadata,
# the package as a whole (lintian; warnings are shown, errors fail) and the metrics unit.
#   bash tests/package/check-package.sh build/linkmeter_<version>_<arch>.deb
set -euo pipefail
deb=${1:?usage: check-package.sh PACKAGE.deb}
failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

expected="./usr/bin/linkmeter
./usr/lib/systemd/user/linkmeter-metrics.service
./usr/share/applications/app.linkmeter.Linkmeter.desktop
./usr/share/doc/linkmeter/changelog.gz
./usr/share/doc/linkmeter/copyright
./usr/share/icons/hicolor/scalable/apps/linkmeter.svg
./usr/share/linkmeter/prometheus/linkmeter.rules.yml
./usr/share/man/man1/linkmeter.1.gz
./usr/share/metainfo/app.linkmeter.Linkmeter.metainfo.xml"
actual=$(cd "$root" && find . \( -type f -o -type l \) | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "file list differs: $(diff <(echo "$expected") <(echo "$actual") | grep '^[<>]' | tr '\n' ' ')"

# The program reports the version the package carries, and runs without a display for that.
version=$(dpkg-deb -f "$deb" Version)
reported=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/linkmeter" --version)
[[ "$reported" =~ ^Linkmeter\ ${version//./\\.}\ \(build\ [0-9]+\)$ ]] || fail "--version said '$reported', package is $version"
env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/linkmeter" --help | grep -q -- '--version' || fail "--help lists no --version"

# Libraries come from dpkg-shlibdeps, not from a hand-kept list.
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "Depends lacks the Qt libraries: $(dpkg-deb -f "$deb" Depends)"

entry="$root/usr/share/applications/app.linkmeter.Linkmeter.desktop"
grep -qx 'Exec=linkmeter' "$entry" || fail "the desktop entry does not start the installed program"
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "the desktop entry's icon '$icon' is not installed"
desktop-file-validate "$entry" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/app.linkmeter.Linkmeter.metainfo.xml" || fail "appstreamcli validate"
lintian --fail-on error "$deb" || fail "lintian reports errors"

# The metrics unit starts the packaged program in the display-free mode, and systemd reads it
# without complaint (pointed at the unpacked program, which is not installed here).
unit="$root/usr/lib/systemd/user/linkmeter-metrics.service"
grep -qx 'ExecStart=/usr/bin/linkmeter --serve-metrics 127.0.0.1:9469' "$unit" || fail "the metrics unit does not start the display-free mode"
if command -v systemd-analyze >/dev/null; then
  sed "s|=/usr/bin/linkmeter|=$root/usr/bin/linkmeter|" "$unit" >"$root/linkmeter-metrics.service"
  complaints=$(systemd-analyze verify --man=no "$root/linkmeter-metrics.service" 2>&1) || true
  [ -z "$complaints" ] || fail "systemd-analyze verify: $complaints"
else
  echo "systemd-analyze is not installed: the metrics unit is not verified"
fi

if [ "$failures" -ne 0 ]; then
  echo "Package check: $failures failed"
  exit 1
fi
echo "Package check of $(basename "$deb"): all passed"
