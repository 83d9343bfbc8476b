#!/usr/bin/env bash
# What a blind learner hears: the real window with Debian's own screen reader, Orca, in Spanish,
# in a display, a session bus and a process namespace of its own, so that no other Orca of this
# user is touched. Orca's debug log holds every line it speaks. One scenario for every front-end;
# what starts the program is the launcher.
#   screenreader.sh LAUNCHER...
# From "PRUEBA", Tab to Respuesta 1 and type a wrong answer, on to Respuesta 6 and type the right
# one, Tab away and back, Shift+Tab back to "PRUEBA" and press it, Tab to both boxes, Shift+Tab to
# "BORRAR" and press it, then Tab once more. Orca must speak each box's name, place and whole
# text, never a shorter piece of it, both announcements, and after each the button next to the
# one pressed: the focus stayed where it was.
set -euo pipefail
if [[ ${1:-} != --inside ]]; then
    exec unshare --pid --fork --mount-proc dbus-run-session -- bash "$0" --inside "$@"
fi
shift
home=$(mktemp -d)
trap 'kill ${app:-} ${orca:-} ${xvfb_pid:-} 2>/dev/null; rm -rf "$home"' EXIT
mkdir -p "$home"/{config,data,cache,runtime,orca}
chmod 700 "$home/runtime"
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache
export XDG_RUNTIME_DIR=$home/runtime LANG=es_ES.UTF-8 LC_ALL=es_ES.UTF-8 LANGUAGE=es
source "$(dirname "$0")/../../scripts/x11.sh"
start_xvfb
/usr/libexec/at-spi-bus-launcher --launch-immediately &
# Orca's speech server is the test's own, with only the dummy voice, whose sound goes to libao's
# null driver: no voice or sound device of the machine's can hold Orca up, or be heard.
mkdir -p "$home/speechd"
printf '%s\n' 'AddModule "dummy" "sd_dummy" ""' 'DefaultModule dummy' 'AudioOutputMethod "libao"' \
    >"$home/speechd/speechd.conf"
echo default_driver=null >"$home/.libao"
export SPEECHD_ADDRESS=unix_socket:$home/speechd/socket
speech-dispatcher --run-single --timeout 0 --config-dir "$home/speechd" --log-dir "$home/speechd" \
    --socket-path "$home/speechd/socket" &
for _ in $(seq 100); do [[ -S $home/speechd/socket ]] && break; sleep 0.05; done
# Orca's debug log, a line at a time as it speaks: Python writes a file by the line only to a
# terminal, which script(1) gives it and copies to the log.
log=$home/orca.log
script -qfec "orca -u '$home/orca' --debug-file=/dev/tty" "$log" </dev/null >/dev/null 2>&1 &
orca=$!
spoken() { tr -d '\r' <"$log" | sed -nE "s/^.* - SPEECH OUTPUT: '(.*)'( ?\{.*)?$/\1/p"; }
# How often Orca has said a line that matches $1 in full.
times() { spoken | grep -cxE "$1" || true; }
# Waits for Orca to say a line that matches $1 once more than the $2 times it had.
says() {
    for _ in $(seq 200); do (($(times "$1") > $2)) && return; sleep 0.05; done
    echo "FAIL: Orca did not speak after $3; its last lines:"
    spoken | tail -n 5
    exit 1
}

# Orca is ready once it is an application on the accessibility bus.
registered() {
    /usr/bin/python3 -c 'import pyatspi, sys
sys.exit(0 if any(a and a.name == "orca" for a in pyatspi.Registry.getDesktop(0)) else 1)' 2>/dev/null
}
for _ in $(seq 100); do registered && break; sleep 0.2; done
registered || { echo "FAIL: Orca did not come up"; exit 1; }

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@" &
app=$!
window=$(wait_for_form1 30) || { echo "FAIL: no window"; exit 1; }
xdotool windowfocus --sync "$window"
# Orca has spoken of the window's first focus, or of the page it has loaded, and has done all it
# had to: its log has stayed as it was for half a second.
says '(PRUEBA botón de pulsación|La página tiene .*)\.' 0 "the start"
for _ in $(seq 20); do
    size=$(stat -c %s "$log")
    sleep 0.5
    (($(stat -c %s "$log") == size)) && break
done
# Each step once Orca has finished speaking of the one before: the place of the control the
# focus went to, what a command did, or the echo of the last letter typed.
for step in Tab Tab Tab =LED Tab =ZENER Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab \
    Return Tab Tab Tab Tab shift+Tab shift+Tab shift+Tab Return Tab; do
    case $step in
    =*) line="${step: -1} " act=(type --delay 100 "${step#=}") ;;
    Return) line='(notificación )?(Comprobado|Respuestas borradas).*' act=(key Return) ;;
    *) line='(tabla [0-9]+, casilla [0-9]+|.* botón de pulsación)\.' act=(key "$step") ;;
    esac
    before=$(times "$line")
    xdotool "${act[@]}"
    says "$line" "$before" "$step"
done
kill "$orca"
wait "$orca" || true
orca=

# What Orca spoke, a line each, without its key echoes ("tab", "intro", "mayúsculas izquierda").
spoken=$(spoken | grep -vE ' $')
status=0
# What said.txt has heard after a button, with the boxes as given, as a pattern.
said() {
    awk -v button="$1" -v boxes="$2" '$1 == button && $2 == boxes { print; exit }' \
        "$(dirname "$0")/../tables/said.txt" | cut -d' ' -f3- | sed 's/[].[*^$+?(){}|\\]/\\&/g'
}
# Each pattern must match a run of consecutive spoken lines, joined by "|".
heard() {
    if ! tr '\n' '|' <<<"$spoken" | grep -qE "(^|\|)$1(\||$)"; then
        echo "FAIL: Orca did not say $2"
        status=1
    fi
}
heard "PRUEBA botón de pulsación\." '"PRUEBA" as a button'
heard "Tabla 1 de símbolos panel\.\|Respuesta 1 de 11 (texto|entrada)\.?\|tabla 1, casilla 1\." \
    "the first table as a group, the first box's name and place"
heard "Respuesta 6 de 11 (texto|entrada)\.?\|ZENER\|seleccionado\." "the right answer whole"
heard "Respuesta 1 de 11 (texto|entrada)\.?\|LED\|seleccionado\." "the wrong answer whole"
heard "(notificación )?$(said Command1 .....+.....)\|BORRAR botón de pulsación\." \
    "what PRUEBA did, the focus unmoved"
heard "Respuesta 1 de 11 (texto|entrada)\.?\|ERROR\|seleccionado\." "the first box's verdict whole"
heard "Respuesta 6 de 11 (texto|entrada)\.?\|BIEN\|seleccionado\." "the sixth box's verdict whole"
heard "(notificación )?$(said Command2 ...........)\|Salir botón de pulsación\." \
    "what BORRAR did, the focus unmoved"
for word in LED ZENER ERROR BIEN; do
    for ((length = 1; length < ${#word}; ++length)); do
        if grep -qxF "${word:0:length}" <<<"$spoken"; then
            echo "FAIL: Orca said ${word:0:length} for $word"
            status=1
        fi
    done
done
((status == 0)) || echo "$spoken"
exit $status
