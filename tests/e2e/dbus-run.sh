#!/usr/bin/env bash
# Runs a command on a private session bus of its own, so that neither a desktop's real bus nor
# its tray hosts take part: a dbus-daemon with a minimal configuration (no activation, so
# nothing of the machine starts on it), stopped when the command ends.
#   dbus-run.sh COMMAND...           exit 77 (skipped) when dbus-daemon is missing
#   dbus-run.sh --or-none COMMAND... without dbus-daemon the command runs with no session bus
set -u
optional=0
[ "${1:-}" = "--or-none" ] && { optional=1; shift; }
if ! command -v dbus-daemon >/dev/null; then
    if [ $optional = 1 ]; then
        env -u DBUS_SESSION_BUS_ADDRESS -u XDG_RUNTIME_DIR "$@"
        exit $?
    fi
    echo "dbus-daemon is not installed: skipped"
    exit 77
fi
dir=$(mktemp -d)
cat >"$dir/session.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$dir</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
EOF
out=$(dbus-daemon --config-file="$dir/session.conf" --fork --print-address=1 --print-pid=1)
address=$(echo "$out" | sed -n 1p)
pid=$(echo "$out" | sed -n 2p)
if [ -z "$address" ] || [ -z "$pid" ]; then
    echo "dbus-daemon did not start"
    rm -rf "$dir"
    exit 1
fi
trap 'kill $pid 2>/dev/null; rm -rf "$dir"; exit 1' INT TERM
DBUS_SESSION_BUS_ADDRESS="$address" "$@"
status=$?
kill "$pid" 2>/dev/null
rm -rf "$dir"
exit $status
