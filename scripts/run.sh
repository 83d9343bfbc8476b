#!/usr/bin/env bash
# Builds korval2 and starts it. With no display it starts it in Xvfb instead, saves a
# screenshot and says where it is.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target korval2

if [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
    exec build/release/app/korval2
fi

shot=$PWD/build/korval2-screenshot.png
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 800x600x24 -dpi 96 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$display_file"' EXIT
for _ in $(seq 100); do [[ -s $display_file ]] && break; sleep 0.05; done
export DISPLAY=:$(cat "$display_file")
build/release/app/korval2 &
app=$!
for _ in $(seq 100); do xdotool search --onlyvisible --name '^Form1$' >/dev/null 2>&1 && break; sleep 0.05; done
sleep 0.5
window=$(xdotool search --onlyvisible --name '^Form1$' | head -n 1)
import -window "$window" "$shot"
kill $app
echo "No display here: korval2 ran in Xvfb. Screenshot of its window: $shot"
