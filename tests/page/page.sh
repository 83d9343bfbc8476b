#!/usr/bin/env bash
# Starts the page as a learner's browser shows it: Chromium in a window of its own that holds the
# page alone, as an app, with a fresh profile. Like the programs, it takes no options: anything
# after the page is ignored.
#   page.sh PAGE [IGNORED...]
set -euo pipefail
read -r _ width height < <(grep '^size' "$(dirname "$0")/../tables/form.txt")
profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
# As root Chromium runs only without its sandbox; --test-type keeps the warning bar about it away.
# Its accessibility tree is open to screen readers, as on a desktop where one runs.
chromium --no-sandbox --test-type --user-data-dir="$profile" --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --password-store=basic --disable-gpu --force-renderer-accessibility \
    --force-device-scale-factor=1 \
    --window-position=0,0 --window-size="$width,$height" --app="file://$1" >/dev/null 2>&1
