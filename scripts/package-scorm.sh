#!/usr/bin/env bash
# Makes a SCORM package for learning platforms: build/web/korval2-<version>-scorm12.zip (SCORM
# 1.2, Moodle, Chamilo, Blackboard, ...) or, given 2004, build/web/korval2-<version>-scorm2004.zip
# (SCORM 2004 4th Edition, Canvas, Docebo, SCORM Cloud, ...): the manifest and the page that
# scripts/build-web.sh makes, built first if need be, and nothing else. Prints the package's path
# as the last line.
#   scripts/package-scorm.sh [2004]
set -euo pipefail
cd "$(dirname "$0")/.."
case ${1:-12} in
12 | 2004) version=${1:-12} ;;
*) echo "usage: scripts/package-scorm.sh [2004]" >&2; exit 2 ;;
esac
scripts/setup.sh web >&2
cmake --preset web >/dev/null
cmake --build --preset web --target "scorm$version" >&2
cat "build/web/scorm$version-package.txt"
