#!/usr/bin/env bash
# Cross-builds the Windows program with MinGW-w64: build/windows/korval2.exe, one self-contained
# file, and the tests that run it under Wine. Installs the cross compiler and Wine first if they
# are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh windows
cmake --preset windows >/dev/null
cmake --build --preset windows
echo "Built $PWD/build/windows/korval2.exe"
