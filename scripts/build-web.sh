#!/usr/bin/env bash
# Builds the page: build/web/korval2.html, one self-contained file (program, pictures, styles and
# icon inside) that works offline, from file:// too. Installs Debian's Emscripten first if it is
# missing. Prints the page's path as the last line.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh web >&2
# Emscripten's tools run on node and need Debian's acorn, whichever node comes first on PATH; its
# own choice of test runner passes an option that newer node rejects.
export NODE_PATH=/usr/share/nodejs
emcmake cmake --preset web -DCMAKE_CROSSCOMPILING_EMULATOR=/usr/bin/node >/dev/null 2>&1
cmake --build --preset web >&2
echo "$PWD/build/web/korval2.html"
