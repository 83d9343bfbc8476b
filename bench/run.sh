#!/usr/bin/env bash
# Builds korval2 and the benchmark in release mode, then measures start-up in a fresh Xvfb.
#   bench/run.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORVAL_BENCH=ON >/dev/null
cmake --build build/release --target korval2 startupbench >/dev/null

source scripts/x11.sh
start_xvfb
trap 'kill $xvfb_pid 2>/dev/null' EXIT
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
build/release/bench/startupbench build/release/qt/korval2 "${1:-15}"
