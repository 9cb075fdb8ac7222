#!/bin/sh
# verify-units.sh BUILD_DIR: installs the build into a temporary prefix and
# checks the systemd user units there with systemd-analyze verify, the way
# systemd would load them. Exits 77 (skipped) where systemd-analyze is missing.
set -eu
build="$1"
if ! command -v systemd-analyze >/dev/null 2>&1; then
  echo "skipped: systemd-analyze is not installed (Debian package systemd)"
  exit 77
fi
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
units="$prefix/share/systemd/user"
for unit in spinora-reminders.timer spinora-reminders.service; do
  test -f "$units/$unit" || { echo "missing: $units/$unit"; exit 1; }
done
grep -qx "ExecStart=$prefix/bin/spinora-cli due --notify" "$units/spinora-reminders.service" ||
  { echo "ExecStart does not name the installed spinora-cli:"; cat "$units/spinora-reminders.service"; exit 1; }
grep -qx "Persistent=true" "$units/spinora-reminders.timer"
# Warnings are failures too: verify prints them but may still exit 0.
out=$(cd "$units" && systemd-analyze verify --man=no ./spinora-reminders.timer ./spinora-reminders.service 2>&1) || {
  echo "$out"; exit 1; }
if [ -n "$out" ]; then echo "$out"; exit 1; fi
echo "systemd-analyze verify: both units are clean"
