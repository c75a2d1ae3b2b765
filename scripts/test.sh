#!/bin/sh
# SPDX-License-Identifier: MIT
# Installs what the build needs, configures and builds everything with warnings as
# errors, then runs every test. The README's test command.
set -eu
cd "$(dirname "$0")/.."

sh scripts/setup-debian.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRHEO_WERROR=ON -DRHEO_BENCH=ON
cmake --build build -j"$(nproc)"
cd build
ctest --output-on-failure -j"$(nproc)"
