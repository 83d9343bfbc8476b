#!/usr/bin/env bash
# The Debian package as a school lab gets it: lintian finds no error; apt-get installs it; the
# desktop finds its entry and icons; the installed program passes the real-window scenario;
# after a purge nothing of it is left.
#   package.sh DEB APP-ID SCENARIO...   (the scenario's command without its launcher)
set -euo pipefail
deb=$1 id=$2
shift 2
sudo=()
((EUID == 0)) || sudo=(sudo)
apt() { "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -qq "$@" >/dev/null; }
status=0
failed() { echo "FAIL: $*"; status=1; }

lintian "$deb" || failed "lintian reports errors"
files=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed -n 's#^\./\(.*[^/]\)$#/\1#p')
trap 'apt purge korval2 || true' EXIT
apt install --no-install-recommends "$deb"

share=/usr/share
for file in applications/$id.desktop metainfo/$id.metainfo.xml icons/hicolor/16x16/apps/$id.png \
    icons/hicolor/32x32/apps/$id.png; do
    [[ -s $share/$file ]] || failed "$share/$file is not installed"
done
desktop-file-validate "$share/applications/$id.desktop" || failed "desktop entry"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >/dev/null ||
    failed "metainfo"
"$@" /usr/bin/korval2 || failed "the installed program"

apt purge korval2
! dpkg-query -W korval2 >/dev/null 2>&1 || failed "dpkg still knows korval2"
for file in $files; do
    [[ ! -e $file ]] || failed "$file is left after the purge"
done
exit $status
