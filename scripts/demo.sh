#!/bin/sh
# SPDX-License-Identifier: MIT
# A short demonstration of the calculator on the bundled example calibration, through
# rheo-cli (the same code the window calls). Usage: demo.sh [path/to/rheo-cli]
set -u
cd "$(dirname "$0")/.."
cli=${1:-build/src/cli/rheo-cli}
cal=examples/RHEO.DAT
at="2026-12-06 09:30"
# The demonstration's runs are not recorded in a calibration history beside the example.
nohist=--no-history

echo "Viscometer calculator: demonstration on the example calibration $cal"
echo
echo "Standard oils and the pressure (psi) at which each runs in T0 in cells 1 to 5:"
"$cli" standards --calibration "$cal"
echo
echo "Cell 1, estimated viscosity 8.0 mPa*s: recommended pressure and target efflux time (s):"
recommendation=$("$cli" recommend --calibration "$cal" --cell 1 --viscosity 8.0)
echo "$recommendation"
# The recommendation reads "<pressure> psi" then T0: run the sample just there.
set -- $recommendation
pressure=$1
t0=$3
echo
echo "A sample run in cell 1 at $pressure psi that takes $t0 s, accepted (the results-list row):"
"$cli" run $nohist --calibration "$cal" --cell 1 --pressure "$pressure" --efflux-time "$t0" \
  --sample-id "Demo 5W-30" --at "$at"
echo
slow=$(awk "BEGIN { printf \"%.2f\", $t0 * 1.5 }")
echo "The same sample when it takes $slow s: outside the shear-rate window, refused:"
"$cli" run $nohist --calibration "$cal" --cell 1 --pressure "$pressure" --efflux-time "$slow" \
  --sample-id "Demo 5W-30" --at "$at" 2>&1
echo "(rheo-cli exit status $?: the calculation refused the run; the message is what the window shows)"
