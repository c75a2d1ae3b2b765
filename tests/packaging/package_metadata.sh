#!/bin/sh
# SPDX-License-Identifier: MIT
# The menu entry and the software centre's description, checked by the desktop's own tools,
# and the man pages by man (their sources; the installed pages only fill in the paths).
# Usage: package_metadata.sh PACKAGING_DIR
# Exits 77 (skipped) where the tools are not installed.
set -u
dir=$1

for tool in desktop-file-validate appstreamcli man; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "Skipped: $tool is not installed (packages desktop-file-utils, appstream, man-db)."
    exit 77
  fi
done

status=0
# Hints (such as two main categories) fail as well.
hints=$(desktop-file-validate "$dir/rheo.desktop" 2>&1)
if [ $? -ne 0 ] || [ -n "$hints" ]; then
  printf '%s\n' "$hints"
  echo "FAILED: rheo.desktop"
  status=1
fi
# Strict: an issue of any kind but the pedantic ones fails.
if ! appstreamcli validate --no-net --strict "$dir/rheo.metainfo.xml"; then
  echo "FAILED: rheo.metainfo.xml"
  status=1
fi
for page in "$dir"/*.1.in; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  if [ -n "$warnings" ]; then
    echo "FAILED: $page: $warnings"
    status=1
  fi
done
exit $status
