#!/usr/bin/env bash
# Cross-builds the Windows program with MinGW-w64: build/windows/korval2.exe, one self-contained
# file. Installs the cross compiler first if it is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake "$@" >/dev/null
cmake --build build/windows
echo "Built $PWD/build/windows/korval2.exe"
