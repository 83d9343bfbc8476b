#!/usr/bin/env bash
# Installs from Debian 12's packages whatever building, running and testing korval2 needs.
# Installs nothing when all is there already; uses sudo when not run as root.
set -euo pipefail

packages=(
    cmake ninja-build g++ qt6-base-dev libgl-dev qt6-translations-l10n fonts-liberation2
    doctest-dev xvfb xauth xdotool xclip x11-utils libx11-dev imagemagick file
    g++-mingw-w64-x86-64 wine64 fonts-wine desktop-file-utils appstream clang-format
    dpkg-dev lintian
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
((${#missing[@]} == 0)) && exit 0

echo "Installing: ${missing[*]}"
sudo=()
((EUID == 0)) || sudo=(sudo)
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
