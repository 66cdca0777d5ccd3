#!/bin/sh
# Runs PROGRAM on a virtual screen of WxH pixels under the openbox window
# manager, which puts real frames and title bars round the windows. Status
# 77 (skipped) where Xvfb, xvfb-run, openbox or xprop is missing.
# Usage: under_openbox.sh PROGRAM WxH
program=$1
size=$2
for tool in xvfb-run Xvfb openbox xprop; do
  command -v "$tool" >/dev/null 2>&1 || { echo "no $tool: skipped"; exit 77; }
done
export VELMORA_PROGRAM="$program"
exec xvfb-run -a -s "-screen 0 ${size}x24 -nolisten tcp" sh -c '
  openbox --sm-disable >/dev/null 2>&1 &
  wm=$!
  # The window manager is ready once it names itself on the root window.
  tries=0
  until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
    tries=$((tries + 1))
    [ $tries -gt 300 ] && { echo "openbox did not start"; kill $wm; exit 1; }
    sleep 0.1
  done
  QT_QPA_PLATFORM=xcb "$VELMORA_PROGRAM"
  status=$?
  kill $wm 2>/dev/null
  exit $status'
