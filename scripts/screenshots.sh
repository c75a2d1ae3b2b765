#!/bin/sh
# SPDX-License-Identifier: MIT
# Renders the pictures of docs/screenshots/ with the real program under Xvfb: the main window
# with the example results loaded, the A/B calculation of cell 1 with its plot, the help
# window, and the first page of the calibration report of cell 1 (rheo-cli's PDF, made a
# picture with pdftoppm). The README shows them and the AppStream file names them.
# Usage: sh scripts/screenshots.sh [BUILD_DIR]      (build/ by default; configured when new)
set -eu
cd "$(dirname "$0")/.."
source_dir=$PWD
build=${1:-build}
out=$source_dir/docs/screenshots

sh scripts/setup-debian.sh
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target rheo rheo-cli rheo_help
rheo=$build/src/gui/rheo
cli=$build/src/cli/rheo-cli
example=$(cd "$build/example" && pwd)

work=$(mktemp -d)
# A display nobody uses, and settings of this run only (no remembered window size).
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
program=""
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null
  kill "$server" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=":$display" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME WAYLAND_DISPLAY
tries=0
until xdpyinfo >/dev/null 2>&1; do
  tries=$((tries + 1))
  [ "$tries" -le 100 ] || { echo "The X server did not start."; exit 1; }
  sleep 0.1
done

# The window: found by its title, keys sent to it; each picture taken once it has settled.
window() { timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
keys() {
  xdotool windowfocus --sync "$1"
  shift
  for key in "$@"; do
    xdotool key --clearmodifiers "$key"
    sleep 0.3
  done
}
shot() { # window, file
  sleep 1
  import -window "$1" "$work/shot.png"
  # 256 colours keep the pictures small; the window's flat colours lose nothing.
  convert "$work/shot.png" -strip -colors 256 "PNG8:$out/$2"
  echo "$out/$2"
}

mkdir -p "$out"
RHEO="$example/" "$rheo" &
program=$!
main=$(window "Vantor Viscosity Calculator")
xdotool windowsize --sync "$main" 1000 700
keys "$main" alt+f t l
dialog=$(window "Select Calculated Results File")
xdotool windowfocus --sync "$dialog"
xdotool type --delay 20 "$source_dir/examples/results.csv"
keys "$dialog" Return
shot "$main" main-window.png

keys "$main" alt+c a
ab=$(window "AB Calculation")
shot "$ab" ab-calculation.png
keys "$ab" Escape

keys "$main" alt+h c
help=$(window "Vantor Viscosity Calculator Help")
xdotool windowsize --sync "$help" 900 640
shot "$help" help.png

"$cli" report calibration --calibration "$source_dir/examples/RHEO.DAT" --cell 1 \
  --pdf "$work/calibration.pdf"
pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$work/calibration.pdf" "$work/report"
convert "$work/report.png" -strip -colors 256 "PNG8:$out/calibration-report.png"
echo "$out/calibration-report.png"
du -ch "$out"/*.png | tail -n 1
