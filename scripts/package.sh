#!/usr/bin/env bash
# Builds the release with Debian's hardening flags and makes the Debian package with CPack:
# build/package/korval2_<version>-1_<architecture>.deb, for this machine, or, given arm64,
# build/package-arm64/korval2_<version>-1_arm64.deb for a Raspberry Pi, cross-built. Prints its
# path as the last line.
#   scripts/package.sh [arm64]
set -euo pipefail
cd "$(dirname "$0")/.."
preset=package
case ${1:-} in
"") scripts/setup.sh run package >&2 ;;
arm64) scripts/setup.sh arm64 package >&2; preset=package-arm64; export DEB_HOST_ARCH=arm64 ;;
*) echo "usage: scripts/package.sh [arm64]" >&2; exit 2 ;;
esac
eval "$(dpkg-buildflags --export=sh)"
cmake --preset $preset >/dev/null
cmake --build --preset $preset >&2
(cd build/$preset && cpack) | sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p'
