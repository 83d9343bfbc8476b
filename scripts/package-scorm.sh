#!/usr/bin/env bash
# Makes the SCORM 1.2 package for learning platforms (Moodle, Chamilo, Canvas, ...):
# build/web/korval2-<version>-scorm12.zip, the manifest and the page that scripts/build-web.sh
# makes, built first if need be, and nothing else. Prints the package's path as the last line.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh web >&2
cmake --preset web >/dev/null
cmake --build --preset web --target scormpackage >&2
cat build/web/scorm-package.txt
