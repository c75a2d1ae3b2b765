#!/bin/sh
# SPDX-License-Identifier: MIT
# The folders of the core and of the window each form a stack: a folder includes only itself
# and the folders below it. The core's: text -> model -> calibration, runs -> files, reports,
# history -> session (seams beside them); the files folder has layers of its own, posix -> io -> formats
# -> commands. The window's: platform -> help, sound -> widgets -> runs, dialogs -> app, all on
# the whole core. Prints every include against them and fails when there is one.
# Usage: check_layers.sh SOURCE_DIR
set -u
src="$1/src"

allowed() {
  case $1 in
    core/text) echo "core/text" ;;
    core/seams) echo "core/seams core/model core/text" ;;
    core/model) echo "core/model core/text" ;;
    core/calibration | core/runs) echo "$1 core/model core/seams core/text" ;;
    core/files | core/reports | core/history) echo "$1 core/calibration core/runs core/model core/seams core/text" ;;
    core/session) echo "core/session core/files core/reports core/history core/calibration core/runs core/model core/seams core/text" ;;
    gui/platform | gui/help | gui/sound | gui/widgets) echo "$1 gui/platform core" ;;
    gui/runs) echo "gui/runs gui/widgets gui/help gui/sound gui/platform core" ;;
    gui/dialogs) echo "gui/dialogs gui/widgets gui/help gui/platform core" ;;
    gui/app) echo "gui/app gui/runs gui/dialogs gui/widgets gui/help gui/sound gui/platform core" ;;
    *) echo "" ;;
  esac
}

# The layers of files in order, "|" between them; a file's layer is the count of "|" before it.
files_layers=" posix_file pending_file | input_file line_reader output_target file_names safe_file_writer | file_messages file_lines file_numbers calibration_lines calibration_file version1_import written_row results_file | calibration_commands results_commands results_join "
files_layer() { echo "$files_layers" | sed -n "s/ ${1%.*} .*//p" | tr -cd '|' | wc -c; }

for dir in "$src"/core/*/ "$src"/gui/*/; do
  folder=$(echo "$dir" | sed 's|.*/src/\(.*\)/$|\1|')
  ok=$(allowed "$folder")
  if [ -z "$ok" ]; then
    echo "src/$folder: a folder the stacks do not know; add it to $0"
    continue
  fi
  for file in "$dir"*.?pp; do
    name=$(basename "$file")
    grep -n '^#include "' "$file" | while IFS= read -r line; do
      target=$(echo "$line" | sed -n 's/.*#include "\([^"]*\)".*/\1/p')
      used=$(echo "$target" | cut -d/ -f1-2)
      case " $ok " in
        *" $used "* | *" $(echo "$target" | cut -d/ -f1) "*) ;;
        *) echo "src/$folder/$name:$line" ;;
      esac
      if [ "$folder" = core/files ] && [ "$used" = core/files ]; then
        if ! echo "$files_layers" | grep -q " ${name%.*} "; then
          echo "src/core/files/$name: a file the layers of files do not know; add it to $0"
        elif [ "$(files_layer "$(basename "$target")")" -gt "$(files_layer "$name")" ]; then
          echo "src/core/files/$name:$line (a later layer of files)"
        fi
      fi
    done
  done
done > "${TMPDIR:-/tmp}/layers.$$"
status=0
if [ -s "${TMPDIR:-/tmp}/layers.$$" ]; then
  echo "Includes against the stacks:"
  cat "${TMPDIR:-/tmp}/layers.$$"
  status=1
fi
rm -f "${TMPDIR:-/tmp}/layers.$$"
exit $status
