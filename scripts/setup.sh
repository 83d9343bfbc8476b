#!/usr/bin/env bash
# Installs from Debian 12's packages what one purpose needs, and nothing that is there already;
# uses sudo when not run as root.
#   scripts/setup.sh PURPOSE...
#     run       build and start korval2
#     screen    a display of our own: Xvfb and a screenshot, for a machine without one
#     windows   cross-build korval2.exe and run it under Wine
#     windows-x86  cross-build korval2.exe for 32-bit Windows
#     arm64     cross-build korval2 for 64-bit ARM (a Raspberry Pi) and run it under qemu
#     msi       make its Windows Installer package
#     package   make the Debian package
#     web       build the page with Emscripten
#     test      everything the test suite uses
set -euo pipefail

declare -A needs=(
    [run]="cmake ninja-build g++ qt6-base-dev libgl-dev qt6-translations-l10n fonts-liberation2"
    [screen]="xvfb xauth xdotool x11-utils imagemagick"
    [windows]="cmake ninja-build g++-mingw-w64-x86-64 wine64 fonts-wine doctest-dev"
    [windows-x86]="cmake ninja-build g++-mingw-w64-i686 doctest-dev"
    [arm64]="cmake ninja-build crossbuild-essential-arm64 qt6-base-dev qt6-base-dev:arm64
             libgl-dev:arm64 qemu-user-static doctest-dev dpkg-dev"
    [msi]="wixl msitools"
    [package]="dpkg-dev file"
    [web]="cmake ninja-build emscripten g++ pkgconf libwebp-dev nettle-dev doctest-dev"
    [test]="doctest-dev xclip libx11-dev desktop-file-utils appstream clang-format lintian
            orca at-spi2-core python3-pyatspi locales dbus chromium chromium-driver
            python3-selenium python3-pytest libxml2-utils firefox-esr webkit2gtk-driver"
)
wanted=()
for purpose in "$@"; do
    case $purpose in
    test)
        for part in run screen windows windows-x86 arm64 msi package web test; do
            wanted+=(${needs[$part]})
        done
        ;;
    run | screen | windows | windows-x86 | arm64 | msi | package | web) wanted+=(${needs[$purpose]}) ;;
    *) echo "setup.sh: no purpose '$purpose'" >&2; exit 2 ;;
    esac
done

# The tests' npm tools. Some builds of node bring npm along and conflict with Debian's package.
if [[ " $* " == *" test "* ]] && ! command -v npm >/dev/null; then
    wanted+=(npm)
fi

missing=()
for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
sudo=()
((EUID == 0)) || sudo=(sudo)
# Debian's packages for another architecture come once dpkg takes that architecture.
if [[ " ${wanted[*]} " == *":arm64 "* ]] && ! dpkg --print-foreign-architectures | grep -qx arm64; then
    "${sudo[@]}" dpkg --add-architecture arm64
fi
if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi

# The screen reader's test speaks Spanish only where the Spanish locale exists.
if [[ " $* " == *" test "* ]] && ! locale -a 2>/dev/null | grep -qi '^es_ES\.utf-\?8$'; then
    "${sudo[@]}" localedef -i es_ES -f UTF-8 es_ES.UTF-8
fi
