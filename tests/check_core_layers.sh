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
    files | reports) echo "$1 calibration runs model seams text" ;;
    session) echo "session files reports calibration runs model seams text" ;;
    *) echo "" ;;
  esac
}

# The files folder has layers of its own: posix -> io -> formats -> commands. A file includes
# only files of its own layer and those before it.
files_layer() {
  case $1 in
    posix_file.* | pending_file.*) echo 1 ;;
    input_file.* | line_reader.* | output_target.* | file_names.* | safe_file_writer.*) echo 2 ;;
    file_messages.* | file_lines.* | file_numbers.* | calibration_lines.* | calibration_file.* | \
      version1_import.* | written_row.* | results_file.*) echo 3 ;;
    calibration_commands.* | results_commands.* | results_join.*) echo 4 ;;
    *) echo 0 ;;
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
          if [ "$folder" = files ] && [ "$used" = files ]; then
            own=$(files_layer "$(basename "$file")")
            theirs=$(files_layer "$(basename "$target")")
            if [ "$own" = 0 ]; then
              echo "src/core/files/$(basename "$file"): a file the layers of files do not know; add it to $0"
            elif [ "$theirs" -gt "$own" ]; then
              echo "src/core/files/$(basename "$file"):$line (a later layer of files)"
            fi
          fi
          ;;
        *) echo "src/core/$folder/$(basename "$file"):$line (outside the core)" ;;
      esac
    done
  done
done > "${TMPDIR:-/tmp}/core_layers.$$"
if [ -s "${TMPDIR:-/tmp}/core_layers.$$" ]; then
  echo "Includes against the stack text -> model -> calibration, runs -> files, reports -> session"
  echo "(files: posix -> io -> formats -> commands):"
  cat "${TMPDIR:-/tmp}/core_layers.$$"
  status=1
fi
rm -f "${TMPDIR:-/tmp}/core_layers.$$"
exit $status
