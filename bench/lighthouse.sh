#!/usr/bin/env bash
# The web's own audit of the page: Lighthouse (from npm, pinned; 13 needs Node 22) against the
# page served on the loopback, with its mobile settings RUNS times (3 unless given) and its desktop
# settings once, in Debian's Chromium. Prints the four category scores of each run, and its first
# and largest contentful paint, total blocking time and layout shift.
#   bench/lighthouse.sh PAGE [RUNS]
set -euo pipefail
page=$(realpath "$1")
cd "$(dirname "$0")/.."
npm install --prefix build/npm --cache build/npm/cache --save-exact --ignore-scripts --no-audit \
    --no-fund lighthouse@12.2.3 >/dev/null
port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
/usr/bin/python3 -m http.server "$port" --bind 127.0.0.1 --directory "$(dirname "$page")" \
    >/dev/null 2>&1 &
server=$!
report=$(mktemp -d)
trap 'kill $server 2>/dev/null; rm -rf "$report"' EXIT
sleep 0.5
for settings in $(printf 'mobile %.0s' $(seq "${2:-3}")) desktop; do
    preset=()
    [[ $settings == desktop ]] && preset=(--preset=desktop)
    CHROME_PATH=/usr/bin/chromium build/npm/node_modules/.bin/lighthouse \
        "http://127.0.0.1:$port/$(basename "$page")" "${preset[@]}" --quiet \
        --chrome-flags="--headless=new --no-sandbox --disable-gpu" \
        --output=json --output-path="$report/$settings.json"
    node -e 'const r = require(process.argv[1]);
const audit = (name, unit) => r.audits[name].numericValue.toFixed(unit == "ms" ? 0 : 3) + " " + unit;
console.log(process.argv[2] + ": " + Object.values(r.categories).map(c =>
    c.title + " " + Math.round(c.score * 100)).join(", ") + "; first contentful paint " +
    audit("first-contentful-paint", "ms") + ", largest " + audit("largest-contentful-paint", "ms") +
    ", total blocking time " + audit("total-blocking-time", "ms") + ", layout shift " +
    audit("cumulative-layout-shift", ""))' "$report/$settings.json" "$settings"
done
