#!/usr/bin/env bash
# Runs a command with an X display of its own.
set -euo pipefail
source "$(dirname "$0")/../scripts/x11.sh"
start_xvfb
trap 'kill $xvfb_pid 2>/dev/null' EXIT
"$@"
