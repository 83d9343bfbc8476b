#!/usr/bin/env bash
# What a blind learner hears: the real window with Debian's own screen reader, Orca, in Spanish,
# in a display, a session bus and a process namespace of its own, so that no other Orca of this
# user is touched. Orca's debug log holds every line it would speak and show on the braille line.
#   screenreader.sh KORVAL2
# Start, Enter on "PRUEBA", then Tab to the first answer box and on to the next. Orca must speak
# "PRUEBA" as a button, the first box's name and place, its verdict (spoken, or on the braille
# line while Orca drops a box's last character), and then Text7's name, which comes before Text3.
set -euo pipefail
if [[ ${1:-} != --inside ]]; then
    exec unshare --pid --fork --mount-proc dbus-run-session -- bash "$0" --inside "$@"
fi
program=$2
home=$(mktemp -d)
trap 'kill ${app:-} ${orca:-} ${xvfb_pid:-} 2>/dev/null; rm -rf "$home"' EXIT
mkdir -p "$home"/{config,data,cache,runtime,orca}
chmod 700 "$home/runtime"
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache
export XDG_RUNTIME_DIR=$home/runtime LANG=es_ES.UTF-8 LC_ALL=es_ES.UTF-8 LANGUAGE=es
source "$(dirname "$0")/../scripts/x11.sh"
start_xvfb
/usr/libexec/at-spi-bus-launcher --launch-immediately &
log=$home/orca.log
orca -u "$home/orca" --debug-file="$log" >/dev/null 2>&1 &
orca=$!

# Orca is ready once it is an application on the accessibility bus.
registered() {
    /usr/bin/python3 -c 'import pyatspi, sys
sys.exit(0 if any(a and a.name == "orca" for a in pyatspi.Registry.getDesktop(0)) else 1)' 2>/dev/null
}
for _ in $(seq 100); do registered && break; sleep 0.2; done
registered || { echo "FAIL: Orca did not come up"; exit 1; }

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" &
app=$!
window=$(wait_for_form1 20) || { echo "FAIL: no window"; exit 1; }
xdotool windowfocus --sync "$window"
sleep 2
for key in Return Tab Tab Tab Tab; do
    xdotool key "$key"
    sleep 1
done
kill "$orca" # it writes its log out as it ends
wait "$orca" || true
orca=

status=0
heard() {
    grep -qE "$1" "$log" || { echo "FAIL: Orca did not say $2"; status=1; }
}
heard "SPEECH OUTPUT: 'PRUEBA botón" '"PRUEBA" as a button'
heard "SPEECH OUTPUT: 'Respuesta 1 de 11" "the first box's name"
heard "SPEECH OUTPUT: 'tabla 1, casilla 1" "the first box's place"
heard "SPEECH OUTPUT: 'ERROR'|BRAILLE LINE: .*Respuesta 1 de 11 ERROR" "the first box's verdict"
heard "SPEECH OUTPUT: 'Respuesta 6 de 11" "the name of Text7, the next box"
((status == 0)) || grep -E "SPEECH OUTPUT|BRAILLE LINE" "$log" | grep -vE "OUTPUT: '(intro|tab) '"
exit $status
