#!/usr/bin/env bash
# Builds korval2, and all that installing it lays out, and starts it. With no display it starts
# it in Xvfb instead, saves a screenshot and says where it is.
set -euo pipefail
cd "$(dirname "$0")/.."
headless=false
[[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]] || headless=true
if $headless; then scripts/setup.sh run screen; else scripts/setup.sh run; fi
cmake --preset release >/dev/null
cmake --build --preset release
$headless || exec build/release/qt/korval2

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
