#!/usr/bin/env bash
# Makes the Windows Installer package with wixl: build/windows/korval2-<version>-x64.msi, one
# file to hand to IT, for a silent install per machine (msiexec /i PACKAGE /qn). Builds
# korval2.exe first if need be, and nothing else. Prints the package's path as the last line.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh windows msi >&2
cmake --preset windows >/dev/null
cmake --build --preset windows --target msi >&2
cat build/windows/msi-package.txt
