#!/bin/sh
# Configures and builds into build/ (the program and its data in build/bin/).
set -eu
cd "$(dirname "$0")/.."
if [ ! -f build/build.ninja ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
fi
cmake --build build
