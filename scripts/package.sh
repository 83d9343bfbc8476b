#!/usr/bin/env bash
# Builds the release with Debian's hardening flags and makes the Debian package with CPack:
# build/release/korval2_1.00-1_<architecture>.deb. Prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh >&2
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build build/release >&2
(cd build/release && cpack >/dev/null)
echo "$PWD/build/release/korval2_1.00-1_$(dpkg --print-architecture).deb"
