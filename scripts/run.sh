#!/usr/bin/env bash
# Builds korval2 and starts it. With no display it starts it in Xvfb instead, saves a
# screenshot and says where it is.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target korval2

if [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
    exec build/release/qt/korval2
fi

source scripts/x11.sh
start_xvfb
trap 'kill $xvfb_pid 2>/dev/null' EXIT
build/release/qt/korval2 &
app=$!
window=$(wait_for_form1)
sleep 0.5
shot=$PWD/build/korval2-screenshot.png
import -window "$window" "$shot"
kill $app
echo "No display here: korval2 ran in Xvfb. Screenshot of its window: $shot"
