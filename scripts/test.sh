#!/usr/bin/env bash
# Builds korval2 and runs the whole test suite: the Windows program cross-built and tested under
# Wine; the Debian package made; a plain debug build of the Linux program, whose real-window
# tests also drive the Windows program and the installed package; then a build with
# AddressSanitizer and UndefinedBehaviorSanitizer. `scripts/test.sh sanitize` runs only the last.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

suite() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug "$@" >/dev/null
    cmake --build "$dir"
    ctest --test-dir "$dir" --output-on-failure
}

if [[ ${1:-} != sanitize ]]; then
    scripts/build-windows.sh
    ctest --test-dir build/windows --output-on-failure
    deb=$(scripts/package.sh | tail -n 1)
    suite build/debug -DKORVAL_WINDOWS_EXE="$PWD/build/windows/korval2.exe" -DKORVAL_DEB="$deb"
fi
suite build/sanitize -DKORVAL_SANITIZE=ON
