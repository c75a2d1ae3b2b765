#!/bin/sh
# The folders of the core form a stack: a folder includes only itself, the folders below it
# and the seams. Prints every include against the stack and fails when there is one.
# Usage: check_core_layers.sh SOURCE_DIR
set -u
core="$1/src/core"

allowed() {
  case $1 in
    text) echo "text" ;;
    seams) echo "seams model text" ;;
    model) echo "model text" ;;
    calibration | runs) echo "$1 model seams text" ;;
    files | reports | history) echo "$1 calibration runs model seams text" ;;
    session) echo "session files reports history calibration runs model seams text" ;;
    *) echo "" ;;
  esac
}

status=0
for dir in "$core"/*/; do
  folder=$(basename "$dir")
  ok=$(allowed "$folder")
  if [ -z "$ok" ]; then
    echo "src/core/$folder: a folder the stack does not know; add it to $0"
    status=1
    continue
  fi
  for file in "$dir"*; do
    grep -n '^#include "' "$file" | while IFS= read -r line; do
      target=$(echo "$line" | sed -n 's/.*#include "\([^"]*\)".*/\1/p')
      case $target in
        core/*)
          used=$(echo "$target" | cut -d/ -f2)
          case " $ok " in *" $used "*) ;; *) echo "src/core/$folder/$(basename "$file"):$line" ;; esac
          ;;
        *) echo "src/core/$folder/$(basename "$file"):$line (outside the core)" ;;
      esac
    done
  done
done > "${TMPDIR:-/tmp}/core_layers.$$"
if [ -s "${TMPDIR:-/tmp}/core_layers.$$" ]; then
  echo "Includes against the stack text -> model -> calibration, runs -> files, reports, history -> session:"
  cat "${TMPDIR:-/tmp}/core_layers.$$"
  status=1
fi
rm -f "${TMPDIR:-/tmp}/core_layers.$$"
exit $status
