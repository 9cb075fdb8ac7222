#!/usr/bin/env bash
# Runs a command (the test suite) with a private system D-Bus and an
# avahi-daemon that uses only the loopback interface, so that the end-to-end
# device test can advertise and discover without any multicast leaving the
# machine. Both daemons are stopped by their pid afterwards and loopback's
# multicast flag is restored. Where they cannot start, the command runs
# anyway and only the end-to-end test skips itself (the reason is printed).
#   usage: tests/device/with-avahi.sh COMMAND [ARGUMENTS...]
set -uo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
state="$(mktemp -d "${TMPDIR:-/tmp}/spinora-avahi.XXXXXX")"
dbus_pid=""
avahi_pid=""
lo_multicast_was_on=""

say() { echo "with-avahi: $*" >&2; }

stop_services() {
  if [ -n "$avahi_pid" ] && kill -0 "$avahi_pid" 2>/dev/null; then
    kill "$avahi_pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$avahi_pid" 2>/dev/null || break; sleep 0.1; done
  fi
  if [ -n "$dbus_pid" ] && kill -0 "$dbus_pid" 2>/dev/null; then
    kill "$dbus_pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$dbus_pid" 2>/dev/null || break; sleep 0.1; done
    rm -f /run/dbus/pid
  fi
  if [ "$lo_multicast_was_on" = "no" ]; then
    ip link set lo multicast off 2>/dev/null
  fi
  rm -rf "$state"
}

start_services() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "not root: a private system bus and avahi-daemon need root"; return 1
  fi
  for tool in dbus-daemon avahi-daemon ip getent; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed"; return 1; }
  done
  if [ -e /run/avahi-daemon/pid ] && avahi-daemon -c 2>/dev/null; then
    # Someone else's avahi-daemon may announce on the real network.
    echo "an avahi-daemon is already running; the test will not use it"; return 1
  fi
  # A system bus of our own, unless one already answers.
  if ! dbus-send --system --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.GetId >/dev/null 2>&1; then
    mkdir -p /run/dbus
    rm -f /run/dbus/pid /run/dbus/system_bus_socket
    dbus_pid="$(dbus-daemon --system --fork --print-pid 2>"$state/dbus.log" | head -n1)" ||
      { echo "dbus-daemon did not start: $(cat "$state/dbus.log")"; return 1; }
  fi
  # Loopback has no multicast flag by default; mDNS needs it.
  if ip link show lo | grep -q MULTICAST; then
    lo_multicast_was_on="yes"
  else
    lo_multicast_was_on="no"
    ip link set lo multicast on || { echo "cannot set loopback's multicast flag"; return 1; }
  fi
  avahi-daemon -f "$here/avahi-daemon.conf" --no-drop-root --no-chroot --no-rlimits >"$state/avahi.log" 2>&1 &
  avahi_pid=$!
  # Ready once this host's .local name resolves through nss-mdns.
  local host
  host="$(hostname).local"
  for _ in $(seq 100); do
    if ! kill -0 "$avahi_pid" 2>/dev/null; then
      avahi_pid=""
      echo "avahi-daemon exited: $(tail -n 3 "$state/avahi.log" | tr '\n' ' ')"; return 1
    fi
    if getent hosts "$host" >/dev/null 2>&1; then
      return 0
    fi
    sleep 0.1
  done
  echo "$host did not resolve through avahi-daemon within 10 s"; return 1
}

trap 'stop_services' EXIT
trap 'exit 130' INT TERM

if start_services >"$state/reason"; then
  say "private avahi-daemon on loopback (pid $avahi_pid), end-to-end device test enabled"
  export SPINORA_TEST_AVAHI=1
else
  say "end-to-end device test skipped: $(cat "$state/reason")"
  unset SPINORA_TEST_AVAHI
fi
"$@"
exit $?
