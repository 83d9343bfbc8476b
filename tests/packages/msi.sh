#!/usr/bin/env bash
# The Windows Installer package as a school's IT meets it, under Wine in a prefix of its own:
# a silent install puts the build's exe under Program Files (a 32-bit one under Program Files
# (x86), as on a 64-bit Windows), with a Start-menu shortcut and an Add/Remove Programs entry of its
# architecture's name (icon, version, publisher, no modify, no repair); the installed program
# passes the real-window scenario; a later package replaces it in place; the older package is then
# refused, in Spanish; a silent uninstall leaves nothing of it. Its tables make it a package of
# its architecture installed per machine.
#   msi.sh ARCH MSI VERSION EXE WXS SCENARIO...   (ARCH x64 or x86, VERSION as CMake has it, WXS
#                                                  the package's source as CMake made it; the
#                                                  scenario's command without its launcher)
set -euo pipefail
arch=$1 msi=$2 version=$3 exe=$4 wxs=$5
shift 5
case $arch in
x64) platform=x64 folder="Program Files" name="KORVAL 2" bits=1 ;;
x86) platform=Intel folder="Program Files (x86)" name="KORVAL 2 (32 bits)" bits=0 ;;
esac
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
export KORVAL_WINEPREFIX=$work/prefix
trap 'WINEPREFIX=$KORVAL_WINEPREFIX /usr/lib/wine/wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
status=0
failed() { echo "FAIL: $*"; status=1; }
wine() { "$root/scripts/wine.sh" "$@"; }
msiexec() { wine msiexec "$@" /qn; }
installed="$KORVAL_WINEPREFIX/drive_c/$folder/Korval2/korval2.exe"
shortcuts() { find "$KORVAL_WINEPREFIX/drive_c" -name 'KORVAL 2.lnk' | wc -l; }
# The Add/Remove Programs entries of KORVAL 2, a paragraph each, as regedit exports them.
entries() {
    wine regedit /E "Z:$work/arp.reg" \
        'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall'
    iconv -f UTF-16LE -t UTF-8 "$work/arp.reg" | tr -d '\r' |
        awk -v name="\"DisplayName\"=\"$name\"" 'BEGIN { RS = "" } index($0, name "\n")'
}

# Of its architecture, per machine, its components 64-bit (msidbComponentAttributes64bit) or not.
msiinfo suminfo "$msi" | grep -qx "Template: $platform;3082" || failed "not a $arch Spanish package"
table() { msiinfo export "$msi" "$1" | tr -d '\r' | tail -n +4; }
table Property | grep -qx $'ALLUSERS\t1' || failed "not installed per machine"
table Component | awk -F'\t' -v bits="$bits" 'int($4 / 256) % 2 != bits { bad = 1 }
    END { exit bad || NR != 2 }' || failed "not two components, each of its architecture"

msiexec /i "Z:$msi" || failed "the package does not install"
cmp -s "$exe" "$installed" || failed "$folder does not hold the build's korval2.exe"
(($(shortcuts) == 1)) || failed "no Start-menu shortcut"
entry=$(entries)
for value in "\"DisplayName\"=\"$name\"" "\"DisplayVersion\"=\"$version\"" '"Publisher"="Korval"' \
    '"NoModify"=dword:00000001' '"NoRepair"=dword:00000001'; do
    grep -qF "$value" <<<"$entry" || failed "Add/Remove Programs lacks $value"
done
# The entry's icon, which Windows Installer keeps under the product's code.
product=$(grep -o '{[0-9A-F-]*}' <<<"$entry" | head -n 1)
cmp -s "$root/assets/korval2.ico" "$KORVAL_WINEPREFIX/drive_c/windows/Installer/$product/korval2.ico" ||
    failed "Add/Remove Programs has not the program's icon"
# The scenario brings a display of its own, which a running Wine would not take up.
WINEPREFIX=$KORVAL_WINEPREFIX /usr/lib/wine/wineserver -w
"$@" "$root/scripts/wine.sh" "$installed" || failed "the installed program"

# A later version, of an exe one byte longer, replaces the earlier in place.
cp "$exe" "$work/korval2.exe"
printf '\0' >>"$work/korval2.exe"
IFS=. read -r major minor patch <<<"$version"
next=$major.$minor.$((patch + 1))
bash "$root/win32/makemsi.sh" "$arch" "$wxs" "$next" "$work/korval2.exe" "$root/assets/korval2.ico" "$work/next.msi"
msiexec /i "Z:$work/next.msi" || failed "the later package does not install"
cmp -s "$work/korval2.exe" "$installed" || failed "the upgrade left the earlier exe"
entry=$(entries)
[[ $(grep -c '"DisplayName"' <<<"$entry") == 1 ]] || failed "not one entry after the upgrade"
grep -qF "\"DisplayVersion\"=\"$next\"" <<<"$entry" || failed "the entry is not the later version's"

# Refused with a word in Spanish, which a silent install does not show but the package carries.
if msiexec /i "Z:$msi"; then failed "the older package installs"; fi
msiinfo export "$msi" LaunchCondition |
    grep -q "^NOT WIX_DOWNGRADE_DETECTED.Ya está instalada una versión más reciente de KORVAL 2." ||
    failed "no Spanish word for refusing an older package"
cmp -s "$work/korval2.exe" "$installed" || failed "the refused package changed the exe"

msiexec /x "Z:$work/next.msi" || failed "the package does not uninstall"
[[ ! -e $installed ]] || failed "korval2.exe is left after uninstalling"
(($(shortcuts) == 0)) || failed "the shortcut is left after uninstalling"
[[ -z $(entries) ]] || failed "the Add/Remove Programs entry is left after uninstalling"
exit $status
