#!/usr/bin/env bash
# Runs the picture generator into a fresh folder: it draws exactly the files the project keeps
# under assets/, each the same to the byte. (What it draws is the layout table's list of pictures,
# and the build carries what assets/ holds.)
#   reproduce.sh GENERATOR ASSETS
set -euo pipefail
generator=$1 assets=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$generator" "$out"
status=0
diff <(ls "$out") <(ls "$assets") || { echo "the generator does not draw what assets/ holds"; status=1; }
for file in "$out"/*; do
    cmp "$file" "$assets/$(basename "$file")" || status=1
done
exit $status
