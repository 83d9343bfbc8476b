#!/usr/bin/env bash
# The Windows program is one file of at most 1 MiB that imports only DLLs every Windows has.
#   executable.sh OBJDUMP KORVAL2.EXE
set -euo pipefail
objdump=$1 exe=$2
status=0
size=$(stat -c %s "$exe")
((size <= 1048576)) || { echo "FAIL: $exe is $size bytes"; status=1; }
while read -r dll; do
    case ${dll,,} in
    kernel32.dll | user32.dll | gdi32.dll | msvcrt.dll) ;;
    *) echo "FAIL: imports $dll"; status=1 ;;
    esac
done < <("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p')
exit $status
