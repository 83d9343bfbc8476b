#!/usr/bin/env bash
# Builds korval2 and runs the whole test suite: the Windows program cross-built and tested under
# Wine, and its installer package made; the Linux program cross-built for 64-bit ARM and tested
# under qemu; the page built with Emscripten and packed for learning platforms, its core tested
# under node; a plain debug build of the Linux program, whose real-window tests also drive the
# Windows and ARM programs, and whose browser test works the page in Chromium; then a build with
# AddressSanitizer and UndefinedBehaviorSanitizer.
#   scripts/test.sh [--package] [sanitize]
# --package also makes the Debian packages, this machine's and arm64's, and installs, drives and
# purges this machine's through apt-get (as root or with sudo): it replaces an installed korval2.
# CI (CI=true) always does so.
# `sanitize` runs only the sanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
package=false
[[ ${CI:-} == true ]] && package=true
only_sanitize=false
for argument in "$@"; do
    case $argument in
    --package) package=true ;;
    sanitize) only_sanitize=true ;;
    *) echo "usage: scripts/test.sh [--package] [sanitize]" >&2; exit 2 ;;
    esac
done
scripts/setup.sh test

if ! $only_sanitize; then
    cmake --workflow --preset windows
    cmake --workflow --preset windows-x86
    cmake --workflow --preset arm64
    scripts/package-windows.sh x86 >/dev/null
    cmake --workflow --preset web
    # The debug tree tests what the windows and web trees make, bringing them up to date first;
    # the Debian package only where asked for, which the arm64 package is made beside.
    deb=
    if $package; then
        deb=$(scripts/package.sh | tail -n 1)
        scripts/package.sh arm64 >/dev/null
    fi
    cmake --preset debug -DKORVAL_DEB="$deb" >/dev/null
    cmake --workflow --preset debug
fi
cmake --workflow --preset sanitize
