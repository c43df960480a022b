#!/bin/sh
# Builds Release in build-bench and runs the benchmarks. Extra arguments go
# to each benchmark executable (e.g. --benchmark_repetitions=5).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-bench"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORNIC_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target highlighter_bench editor_bench toolchain_bench html_bench utilities_bench generators_bench assist_bench \
  debugger_bench typing_bench settings_bench

echo "== highlighter_bench"
"$build/bin/highlighter_bench" "$@"
echo
echo "== editor_bench"
QT_QPA_PLATFORM=offscreen "$build/bin/editor_bench" "$@"
echo
echo "== html_bench"
QT_QPA_PLATFORM=offscreen "$build/bin/html_bench" "$@"
echo
echo "== utilities_bench"
QT_QPA_PLATFORM=offscreen "$build/bin/utilities_bench" "$@"
echo
echo "== generators_bench"
QT_QPA_PLATFORM=offscreen "$build/bin/generators_bench" "$@"
echo
echo "== debugger_bench (the last figure needs a JDK)"
QT_QPA_PLATFORM=offscreen "$build/bin/debugger_bench"
echo
echo "== typing_bench"
QT_QPA_PLATFORM=offscreen "$build/bin/typing_bench" "$@"
echo
echo "== toolchain_bench (needs a JDK)"
QT_QPA_PLATFORM=offscreen "$build/bin/toolchain_bench"
echo
echo "== assist_bench"
QT_QPA_PLATFORM=offscreen "$build/bin/assist_bench" "$@"
echo
echo "== settings_bench"
QT_QPA_PLATFORM=offscreen "$build/bin/settings_bench" "$@"
