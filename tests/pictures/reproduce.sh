#!/usr/bin/env bash
# Runs the picture generator into a fresh folder: it draws exactly the files the project keeps
# under assets/, each the same to the byte, and its pictures are exactly the project's list.
#   reproduce.sh GENERATOR ASSETS PICTURE...
set -euo pipefail
generator=$1
assets=$2
shift 2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$generator" "$out"
status=0
diff <(ls "$out") <(ls "$assets") || { echo "the generator does not draw what assets/ holds"; status=1; }
for file in "$out"/*; do
    cmp "$file" "$assets/$(basename "$file")" || status=1
done
[[ $(cd "$out" && ls ./*.bmp | sort) == $(printf './%s.bmp\n' "$@" | sort) ]] || {
    echo "the generator does not draw exactly the pictures of the list"
    status=1
}
exit $status
