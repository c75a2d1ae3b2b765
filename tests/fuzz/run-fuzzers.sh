#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs the fuzz targets of a fuzz build for a bounded time each: the three file readers, or
# the targets named.
# Usage: tests/fuzz/run-fuzzers.sh BUILD_DIR SECONDS [TARGET...]
# Build first: CC=clang CXX=clang++ cmake -S . -B BUILD_DIR -G Ninja -DRHEO_FUZZ=ON
#              -DRHEO_WITH_QT=OFF && cmake --build BUILD_DIR --target fuzz_calibration_file
#              fuzz_version1_import fuzz_results_file
#        The help file's reading (fuzz_help_reading) needs a build with Qt (see .ci/run).
# Exits non-zero when a target finds a crash, a hang, a leak or a failed check; the input
# that did it is left in BUILD_DIR/fuzz-findings.
set -eu

if [ $# -lt 2 ]; then
  echo "usage: $0 BUILD_DIR SECONDS [TARGET...]" >&2
  exit 2
fi
build=$1
seconds=$2
shift 2
if [ $# -eq 0 ]; then
  set -- fuzz_calibration_file fuzz_version1_import fuzz_results_file
fi
here=$(cd "$(dirname "$0")" && pwd)
data="$here/../data"
findings="$build/fuzz-findings"
mkdir -p "$findings"

status=0
for target in "$@"; do
  binary="$build/tests/fuzz/$target"
  if [ ! -x "$binary" ]; then
    echo "missing $binary: build the fuzz targets first" >&2
    exit 2
  fi
  corpus=$(mktemp -d)
  # The odd files of the regular tests are the starting points; for the help file's reading
  # the program's own table of contents and pages.
  seeds=$data
  case $target in
    fuzz_calibration_file) pattern='*.dat' ;;
    fuzz_version1_import) pattern='*.v1' ;;
    fuzz_results_file) pattern='*.csv' ;;
    fuzz_help_reading) seeds="$here/../../help" pattern='*.h[th][cm]' ;;
    *) pattern='*' ;;
  esac
  find "$seeds" -type f -name "$pattern" -exec cp {} "$corpus" \; 2>/dev/null || true
  echo "== $target for ${seconds}s"
  if ! "$binary" "$corpus" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 \
      -timeout=20 -print_final_stats=1 -artifact_prefix="$findings/$target-"; then
    echo "$target found a problem; see $findings" >&2
    status=1
  fi
  rm -rf "$corpus"
done
exit $status
