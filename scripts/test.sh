#!/usr/bin/env bash
# Builds korval2 and runs the whole test suite twice: a plain debug build, then a build with
# AddressSanitizer and UndefinedBehaviorSanitizer. `scripts/test.sh sanitize` runs only the
# second.
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
    suite build/debug
fi
suite build/sanitize -DKORVAL_SANITIZE=ON
