#!/bin/sh
# Starts the accessibility bus and dpmrcps --demo with Qt's AT-SPI bridge on,
# then lists their accessible tree (AccessibleTree.py). Inside a display and
# a D-Bus session of its own:
#   xvfb-run -a dbus-run-session -- sh tests/manual/AccessibleTree.sh BUILD_DIR
set -u
build=${1:-build-check}
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
sleep 1
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_CONFIG_HOME=$(mktemp -d) "$build/bin/dpmrcps" --demo &
program=$!
/usr/bin/python3 "$(dirname "$0")/AccessibleTree.py"
status=$?
kill "$program" "$bus" 2>/dev/null
exit $status
