#!/usr/bin/env bash
# Builds korval2 and the benchmark's reference windows in release mode, then measures start-up in
# a fresh Xvfb: korval2 against the floor (the same 23 controls and nothing else, target at most
# 1.10 times its time and 4 MiB above its memory) and against a bare window, for information;
# then korval2.exe under Wine, from launch to the window's map with the Wine prefix and
# wineserver already up, against the Win32 floor (the same 23 controls of the system's classes,
# nothing else; target at most 1.10 times) and against a bare Win32 window, for information;
# then the page in headless Chromium against the same page without its program, to its first
# frame (target at most 1.05 times) and to ready; last, Lighthouse's scores and paints for the
# page, three runs with mobile settings (target at least 97 for Performance) and one with desktop
# settings.
#   bench/run.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh test
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
scripts/setup.sh windows >/dev/null
cmake --preset windows-bench >/dev/null
cmake --build --preset windows-bench >/dev/null

source scripts/x11.sh
start_xvfb
trap 'kill $xvfb_pid 2>/dev/null' EXIT
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
bench=build/bench/bench
$bench/startupbench painted "${1:-15}" build/bench/qt/korval2 $bench/floorwindow $bench/barewindow

scripts/wine.sh wineboot # makes the prefix if need be
export WINEPREFIX=$PWD/build/wine-96 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
/usr/lib/wine/wineserver -k 2>/dev/null || true # a persistent one of an earlier run too
/usr/lib/wine/wineserver -p
trap '/usr/lib/wine/wineserver -k; kill $xvfb_pid 2>/dev/null' EXIT
wine=/usr/lib/wine/wine64
reference="$wine build/windows-bench/bench/referencewindow.exe"
$bench/startupbench mapped "${1:-15}" "$wine build/windows-bench/korval2.exe" "$reference controls" \
    "$reference"

# The page in headless Chromium against the same page without its program.
page=$(scripts/build-web.sh | tail -n 1)
/usr/bin/python3 bench/browser.py "$page" "${1:-15}"

# The web's own audit of the page.
bench/lighthouse.sh "$page"
