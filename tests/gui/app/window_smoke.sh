#!/bin/sh
# SPDX-License-Identifier: MIT
# The real program on a real X server: started on the example calibration under Xvfb, its
# main window must appear with its title; a screenshot of the screen is kept beside the test.
# Usage: window_smoke.sh RHEO_BINARY EXAMPLE_DIR SCREENSHOT
# Exits 77 (skipped) where Xvfb is not installed.
set -u
program=$1
example=$2
screenshot=$3

for tool in Xvfb xwininfo import; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "Skipped: $tool is not installed (packages xvfb, x11-utils, imagemagick)."
    exit 77
  fi
done

# A display number nobody uses.
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  kill "$server" 2>/dev/null
  wait 2>/dev/null
}
trap cleanup EXIT

export DISPLAY=":$display"
tries=0
until xwininfo -root >/dev/null 2>&1; do
  tries=$((tries + 1))
  if [ "$tries" -gt 50 ]; then
    echo "The X server did not start."
    exit 1
  fi
  sleep 0.1
done

RHEO="$example/" "$program" &
program_pid=$!

title="Vantor Viscosity Calculator"
tries=0
until xwininfo -root -tree 2>/dev/null | grep -q "\"$title\""; do
  tries=$((tries + 1))
  if [ "$tries" -gt 200 ] || ! kill -0 "$program_pid" 2>/dev/null; then
    echo "No window titled \"$title\" appeared."
    xwininfo -root -tree 2>/dev/null | grep '"' | head -20
    exit 1
  fi
  sleep 0.1
done
sleep 1
import -window root "$screenshot"
if [ ! -s "$screenshot" ]; then
  echo "The screenshot $screenshot is empty."
  exit 1
fi
echo "The window \"$title\" is up; screenshot: $screenshot"
