#!/bin/sh
# SPDX-License-Identifier: MIT
# Installs what the program needs, configures and builds it, then runs it: the window on
# the bundled example calibration where there is a display ("RHEO" names the example
# directory, so that RHEO.DAT and the help file RHEO.chm are found there), otherwise a short
# demonstration of rheo-cli on the same calibration. The README's run command.
set -eu
cd "$(dirname "$0")/.."

sh scripts/setup-debian.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  # rheo_help also lays out build/example/ with the example calibration and RHEO.chm.
  cmake --build build -j"$(nproc)" --target rheo rheo_help
  RHEO="$PWD/build/example/" exec build/src/gui/rheo
fi
echo "No display: a demonstration of the calculator's command line instead of the window."
echo
cmake --build build -j"$(nproc)" --target rheo-cli
exec sh scripts/demo.sh build/src/cli/rheo-cli
