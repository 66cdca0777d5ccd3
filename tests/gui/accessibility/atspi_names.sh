#!/bin/sh
# What a screen reader hears, through the desktop's real accessibility tree:
# starts Velmora under a virtual display with its own session bus and AT-SPI
# bus, and runs atspi_names.py against it.
#   atspi_names.sh path/to/velmora path/to/velmora-cli
# Exits 77 (skipped) when Xvfb, D-Bus, the AT-SPI bus or pyatspi is missing.
set -u
app=$1
cli=$2
here=$(dirname "$0")
for tool in xvfb-run dbus-run-session; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is missing"; exit 77; }
done
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "skipped: at-spi2-core is missing"; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: python3-pyatspi is missing"; exit 77; }

# A run of its own: its lock file, its runtime directory, no settings of the user's.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_RUNTIME_DIR="$scratch" TMPDIR="$scratch" HOME="$scratch"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
unset QT_SCALE_FACTOR
xvfb-run -a -s "-screen 0 1600x1200x24" \
  dbus-run-session -- /usr/bin/python3 "$here/atspi_names.py" "$app" "$cli"
