#!/bin/sh
# Installs what the program needs, configures and builds it, then runs it: a short
# demonstration of rheo-cli on the bundled example calibration. The README's run command.
set -eu
cd "$(dirname "$0")/.."

sh scripts/setup-debian.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target rheo-cli
exec sh scripts/demo.sh build/src/cli/rheo-cli
