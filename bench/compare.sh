#!/bin/sh
# SPDX-License-Identifier: MIT
# Measures the programs side by side with their yardsticks, in one run on this machine, and
# prints each ratio with its goal:
#   - the window's start to its first paint (rheo --paint-once) against a bare Qt Widgets
#     main window built by the same build;
#   - rheo-cli merge of a 1,000,000-row results file into a new file against wc -l plus cp of
#     the same file, with merge's peak memory per row;
#   - the main window holding 1,000,000 results: loading them, selecting all, deleting 1,000
#     selected rows, scrolling to the end;
#   - a PDF test data report of 10,000 results.
# The two sides of a ratio run alternately, so that the machine's load falls on both alike;
# each figure is the median of several runs. Builds what it needs (Release) in build-compare/
# of the source tree and makes its inputs in a temporary directory.
# Usage: sh bench/compare.sh        (RUNS=N sets the runs of the short measurements)
set -eu

source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=${RHEO_COMPARE_BUILD:-$source_dir/build-compare}
runs=${RUNS:-15}

for tool in cmake ninja awk /usr/bin/time; do
  command -v "$tool" >/dev/null 2>&1 || {
    echo "compare.sh: $tool is missing (sh scripts/setup-debian.sh installs it)" >&2
    exit 1
  }
done

echo "Building the programs measured (Release) in $build ..."
mkdir -p "$build"
log=$build/compare-build.log
cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DRHEO_BENCH=ON \
  >"$log" 2>&1 || { cat "$log"; exit 1; }
cmake --build "$build" --target rheo rheo-cli bare_window form_at_scale >>"$log" 2>&1 ||
  { tail -40 "$log"; exit 1; }
rheo=$build/src/gui/rheo
cli=$build/src/cli/rheo-cli
bare=$build/bench/bare_window
form=$build/bench/form_at_scale

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
export QT_QPA_PLATFORM=offscreen

# ---- Inputs -------------------------------------------------------------------------------
mkdir "$work/app"
cp "$source_dir/examples/RHEO.DAT" "$work/app/RHEO.DAT"
# A year of a busy laboratory: 1,000,000 runs as the program writes them.
make_results() {
awk 'BEGIN {
  srand(7)
  printf "Sample Id Name,Cell Number,Viscosity (mPa*s),Shear Rate (1x10e6 1/sec),"
  printf "Reynolds Number,Newtonian,Pressure (psi),Efflux Time(sec),Date Time\r\n"
  for (i = 0; i < 1000000; i++)
    printf "SAMPLE-%d,%d,%.3f,%.2f,%.1f,%d,%.1f,%.2f,%d/%d/%d %d:%d\r\n", i % 100000, i % 5 + 1,
      2.5 + 12 * rand(), 0.9 + 0.4 * rand(), 80 + 200 * rand(), (i % 3 != 0),
      150 + 300 * rand(), 14 + 8 * rand(), i % 12 + 1, i % 28 + 1, 2020 + i % 7, i % 24, i % 60
}' >"$work/million.csv"
head -n 10001 "$work/million.csv" >"$work/ten_thousand.csv"
sync # written to the disk before anything is timed
}

# ---- Helpers ------------------------------------------------------------------------------
# Milliseconds a command takes, its output discarded. What earlier commands left to be
# written to the disk is written first, so that no command waits behind another's files.
milliseconds() {
  sync
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  awk -v s="$start" -v e="$end" 'BEGIN { printf "%.1f\n", (e - s) / 1e6 }'
}
median() {
  sort -n | awk '{ v[NR] = $1 } END {
    if (NR % 2) printf "%.1f\n", v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
rows=""
# One line of the table: measurement, ours, reference, goal (a ratio "<= 1.3x" when there is
# a reference, else a limit in ms).
row() {
  rows="$rows$1|$2|$3|$4
"
}

load_before=$(cut -d' ' -f1-3 /proc/loadavg)

# ---- The window's start to its first paint ------------------------------------------------
echo "The window's start against a bare Qt window, $runs runs each ..."
: >"$work/start.rheo"
: >"$work/start.bare"
export RHEO="$work/app/" # where rheo finds its calibration file; the bare window ignores it
"$rheo" --paint-once >/dev/null 2>&1 # once each first, so that both start from a warm cache
"$bare" >/dev/null 2>&1
for i in $(seq "$runs"); do
  milliseconds "$rheo" --paint-once >>"$work/start.rheo"
  milliseconds "$bare" >>"$work/start.bare"
done
row "window start to first paint (ms)" "$(median <"$work/start.rheo")" \
  "$(median <"$work/start.bare")" "1.3"

# ---- merge against wc -l and cp -----------------------------------------------------------
make_results
merge_runs=5
echo "rheo-cli merge of 1,000,000 rows against wc -l + cp, $merge_runs runs each ..."
: >"$work/merge.ours"
: >"$work/merge.ref"
for i in $(seq "$merge_runs"); do
  rm -f "$work/merged.csv" "$work/copy.csv"
  milliseconds "$cli" merge "$work/million.csv" --results "$work/merged.csv" >>"$work/merge.ours"
  milliseconds sh -c "wc -l '$work/million.csv' && cp '$work/million.csv' '$work/copy.csv'" \
    >>"$work/merge.ref"
done
cmp -s "$work/million.csv" "$work/merged.csv" ||
  echo "compare.sh: the merged file differs from its input, which is already in written form" >&2
row "merge 1,000,000 rows (ms)" "$(median <"$work/merge.ours")" "$(median <"$work/merge.ref")" "4"
rm -f "$work/merged.csv"
/usr/bin/time -f "%M" -o "$work/merge.memory" \
  "$cli" merge "$work/million.csv" --results "$work/merged.csv" >/dev/null 2>&1
peak_kb=$(tail -n 1 "$work/merge.memory")
rm -f "$work/merged.csv" "$work/copy.csv"

# ---- The main window with 1,000,000 results -----------------------------------------------
form_runs=3
echo "The main window with 1,000,000 results, $form_runs runs ..."
: >"$work/form.all"
for i in $(seq "$form_runs"); do
  "$form" "$work/million.csv" "$work/app/" 2>/dev/null >>"$work/form.all"
done
form_step() { awk -v s="$1" '$1 == s { print $2 }' "$work/form.all" | median; }
row "form: load 1,000,000 results (ms)" "$(form_step load)" "-" "2000"
row "form: select all (ms)" "$(form_step select_all)" "-" "100"
row "form: delete 1,000 selected rows (ms)" "$(form_step delete)" "-" "100"
row "form: scroll to the end (ms)" "$(form_step scroll_end)" "-" "100"

# ---- PDF test data report -----------------------------------------------------------------
pdf_runs=3
echo "PDF test data report of 10,000 results, $pdf_runs runs ..."
: >"$work/pdf"
for i in $(seq "$pdf_runs"); do
  rm -f "$work/report.pdf"
  milliseconds "$cli" report results --results "$work/ten_thousand.csv" --pdf "$work/report.pdf" \
    >>"$work/pdf"
done
row "PDF report of 10,000 results (ms)" "$(median <"$work/pdf")" "-" "2000"

load_after=$(cut -d' ' -f1-3 /proc/loadavg)

# ---- The table ----------------------------------------------------------------------------
echo
echo "Machine: $(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)"
echo "Load average (1, 5, 15 min): $load_before before, $load_after after; $(date -u '+%Y-%m-%d %H:%M UTC')"
echo
printf '%s' "$rows" | awk -F'|' '
  BEGIN {
    printf "%-40s %10s %10s %8s %10s  %s\n", "measurement", "ours", "reference", "ratio", "goal", "met"
  }
  {
    if ($3 == "-") {
      ratio = "-"; goal = "<= " $4 " ms"; met = ($2 <= $4) ? "yes" : "NO"
    } else {
      r = $2 / $3; ratio = sprintf("%.2fx", r); goal = "<= " $4 "x"; met = (r <= $4) ? "yes" : "NO"
    }
    printf "%-40s %10s %10s %8s %10s  %s\n", $1, $2, $3, ratio, goal, met
  }'
awk -v kb="$peak_kb" 'BEGIN {
  printf "merge peak memory: %.1f MB, %.1f bytes per row of 1,000,000\n", kb / 1024, kb * 1024 / 1e6 }'
