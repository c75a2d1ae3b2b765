#!/bin/sh
# SPDX-License-Identifier: MIT
# Builds the example calibration set from nothing with rheo-cli's own operations: the
# general settings, each cell's data, weighings (volume and T0) and standard-oil runs
# (A and B), the standards table; then two batches of sample runs joined into one
# results file. The inputs are the CSV files in inputs/.
#
# Usage: make-example.sh [RHEO_CLI [OUTPUT_DIR]]
#   RHEO_CLI    the rheo-cli binary (default: build/src/cli/rheo-cli of this checkout)
#   OUTPUT_DIR  where RHEO.DAT and results.csv go (default: this folder)
set -eu

here=$(cd "$(dirname "$0")" && pwd)
cli=${1:-$here/../build/src/cli/rheo-cli}
out=${2:-$here}
inputs=$here/inputs

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The save command writes the ".dat" spelling; the program's start-up load finds it as
# "RHEO.DAT" in any letter case, and the finished file is copied under that name.
cal=$work/RHEO.dat

"$cli" calibrate settings --out "$cal" --company "Example Oil Laboratory" \
  --serial "VC-2207" --temperature 150 --timer 5

tail -n +2 "$inputs/cells.csv" | while IFS=, read -r cell working min max diameter length; do
  "$cli" calibrate cell --calibration "$cal" --out "$cal" --cell "$cell" \
    --working "$working" --min "$min" --max "$max" --diameter "$diameter" --length "$length"
done

for cell in 1 2 3 4 5; do
  "$cli" calibrate volume --calibration "$cal" --out "$cal" --cell "$cell" \
    --weighings "$inputs/weighings-cell$cell.csv"
done

for cell in 1 2 3 4 5; do
  "$cli" calibrate ab --calibration "$cal" --out "$cal" --cell "$cell" \
    --points "$inputs/standard-runs-cell$cell.csv"
done

tail -n +2 "$inputs/standards.csv" | while IFS=, read -r name viscosity; do
  "$cli" calibrate standard --calibration "$cal" --out "$cal" --name "$name" \
    --viscosity "$viscosity"
done

"$cli" batch --calibration "$cal" --runs "$inputs/runs-morning.csv" \
  --results "$work/morning.csv" --at "2024-05-14 09:40"
"$cli" batch --calibration "$cal" --runs "$inputs/runs-afternoon.csv" \
  --results "$work/afternoon.csv" --at "2024-05-14 14:15"
"$cli" merge "$work/morning.csv" "$work/afternoon.csv" --results "$work/results.csv"

mkdir -p "$out"
cp "$cal" "$out/RHEO.DAT"
cp "$work/results.csv" "$out/results.csv"
