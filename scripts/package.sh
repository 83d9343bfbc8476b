#!/usr/bin/env bash
# Builds the release with Debian's hardening flags and makes the Debian package with CPack:
# build/package/korval2_<version>-1_<architecture>.deb. Prints its path as the last line.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh run package >&2
eval "$(dpkg-buildflags --export=sh)"
cmake --preset package >/dev/null
cmake --build --preset package >&2
(cd build/package && cpack) | sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p'
