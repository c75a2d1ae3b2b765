#!/bin/sh
# SPDX-License-Identifier: MIT
# Every source, CMake, shell and help-page file of the project names its licence in an SPDX line among
# its first three lines. Prints each file without one and fails when there is one.
# Usage: check_licence_lines.sh SOURCE_DIR
set -u
cd "$1" || exit 1
missing=$(find src tests bench scripts cmake packaging examples help .ci CMakeLists.txt \
  -type f \( -name '*.cpp' -o -name '*.hpp' -o -name '*.h' -o -name 'CMakeLists.txt' \
  -o -name '*.cmake' -o -name '*.sh' -o -name run -o -name '*.htm' -o -name '*.css' \) 2>/dev/null |
  while IFS= read -r file; do
    head -n 3 "$file" | grep -q 'SPDX-License-Identifier: MIT' || echo "$file"
  done)
if [ -n "$missing" ]; then
  echo "Files without the line SPDX-License-Identifier: MIT near their top:"
  echo "$missing"
  exit 1
fi
