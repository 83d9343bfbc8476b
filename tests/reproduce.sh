#!/usr/bin/env bash
# Runs the picture generator into a fresh folder and compares every file with the committed one;
# the pictures it draws are exactly the project's list.
#   reproduce.sh GENERATOR ASSETS PICTURE...
set -euo pipefail
generator=$1
assets=$2
shift 2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$generator" "$out"
status=0
for file in "$out"/*; do
    cmp "$file" "$assets/$(basename "$file")" || status=1
done
[[ $(cd "$out" && ls ./*.bmp | sort) == $(printf './%s.bmp\n' "$@" | sort) ]] || {
    echo "the generator does not draw exactly the pictures of the list"
    status=1
}
exit $status
