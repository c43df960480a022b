#!/bin/sh
# Installs what is missing, builds everything (program, tests, benchmarks)
# and runs every test. Widget tests run offscreen.
set -eu
cd "$(dirname "$0")"
sh scripts/install-deps.sh
sh scripts/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure "$@"
