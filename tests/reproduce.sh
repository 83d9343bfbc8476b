#!/usr/bin/env bash
# Runs the picture generator into a fresh folder and compares every file with the committed one.
set -euo pipefail
generator=$1
assets=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$generator" "$out"
status=0
for file in "$out"/*; do
    cmp "$file" "$assets/$(basename "$file")" || status=1
done
[[ $(ls "$out" | wc -l) -gt 0 ]] || status=1
exit $status
