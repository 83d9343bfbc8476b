#!/usr/bin/env bash
# Builds korval2 and the benchmark in release mode, then measures start-up in a fresh Xvfb.
#   bench/run.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORVAL_BENCH=ON >/dev/null
cmake --build build/release --target korval2 startupbench >/dev/null

display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$display_file"' EXIT
for _ in $(seq 100); do [[ -s $display_file ]] && break; sleep 0.05; done
export DISPLAY=:$(cat "$display_file")
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
build/release/bench/startupbench build/release/app/korval2 "${1:-15}"
