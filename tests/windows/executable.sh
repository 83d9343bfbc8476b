#!/usr/bin/env bash
# The Windows program is one file of at most 1 MiB that imports only what Windows XP offers, and
# so every later Windows: the functions of windows-xp.txt.
#   executable.sh OBJDUMP KORVAL2.EXE
set -euo pipefail
objdump=$1 exe=$2
status=0
size=$(stat -c %s "$exe")
((size <= 1048576)) || { echo "FAIL: $exe is $size bytes"; status=1; }
# Each import as "library function", from the import tables objdump prints.
imports=$("$objdump" -p "$exe" | awk '/DLL Name:/ { dll = tolower($3); next } !NF { dll = "" }
    dll && NF == 3 && $2 ~ /^[0-9]+$/ { print dll, $3 }' | sort -u)
[[ -n $imports ]] || { echo "FAIL: no imports read from $exe"; status=1; }
lacking=$(comm -23 <(echo "$imports") <(grep -v '^#' "$(dirname "$0")/windows-xp.txt" | sort -u))
[[ -z $lacking ]] || { echo "FAIL: imports what Windows XP lacks:"$'\n'"$lacking"; status=1; }
exit $status
