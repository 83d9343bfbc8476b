#!/usr/bin/env bash
# Builds the page: build/web/korval2.html, one self-contained file (program, pictures, styles and
# icon inside) that works offline, from file:// too. Installs Debian's Emscripten first if it is
# missing. Prints the page's path as the last line.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh web >&2
# The preset's toolchain finds Emscripten, node to run what it builds, and acorn for Emscripten's
# own tools.
cmake --preset web >/dev/null
cmake --build --preset web >&2
echo "$PWD/build/web/korval2.html"
