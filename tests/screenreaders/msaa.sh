#!/usr/bin/env bash
# korval2.exe as a Windows screen reader meets it: msaaclient.exe, in a process of its own under
# the same Wine, reads and works the running program through MSAA, then presses "Salir". What
# it finds must be heard.txt, line for line, and the live region, which has no name and which
# Wine's standard object gives no role of its own.
#   msaa.sh WINE KORVAL2.EXE MSAACLIENT.EXE
set -euo pipefail
wine=$1 program=$2 client=$3
source "$(dirname "$0")/../../scripts/x11.sh"
start_xvfb
trap 'kill ${app:-} $xvfb_pid 2>/dev/null' EXIT
"$wine" "$program" &
app=$!
status=0
found=$("$wine" "$client" | tr -d '\r') || status=$?
echo "$found"
if ! difference=$(diff <({ grep -v '^#' "$(dirname "$0")/../tables/heard.txt"; echo 'other||'; } | sort) \
    <(sort <<<"$found")); then
    echo "FAIL: what is heard, < wanted, > found:"$'\n'"$difference"
    status=1
fi
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.05; done
if kill -0 "$app" 2>/dev/null; then
    echo "FAIL: korval2.exe still runs after Salir" # ended by the trap, which frees ctest's pipe
    status=1
else
    app=
fi
exit $status
