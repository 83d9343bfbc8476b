#!/usr/bin/env bash
# Makes the Windows Installer package with wixl: build/windows/korval2-<version>-x64.msi, one
# file to hand to IT, for a silent install per machine (msiexec /i korval2-1.00-x64.msi /qn).
# Builds korval2.exe first if need be. Prints the package's path as the last line.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh windows msi >&2
scripts/build-windows.sh >&2
cmake --build --preset windows --target msi >&2
ls build/windows/korval2-*-x64.msi | tail -n 1 | xargs realpath
