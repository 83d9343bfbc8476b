#!/usr/bin/env bash
# The real program in its own Xvfb, worked as a person would. One scenario for every front-end;
# what starts the program is the launcher, followed by options it must ignore.
#   realwindow.sh SCREENCHECK XCLOSE ASSETS SCALE LAUNCHER...
# 1. The window as it first shows, checked by screencheck at SCALE.
# 2. At a scale of 1: a paste far past 32,767 characters is kept whole; then, by mouse, click into
#    every answer box at the centre of its rectangle, type, read each box back through the
#    clipboard, press "PRUEBA" and read the verdicts, press "BORRAR" and read the empty boxes,
#    press "Salir": the program ends with status 0. Then it is started again. (What each key
#    does, the front-ends' own tests show from one table.)
# 3. Closed through its frame, it ends with status 0.
set -euo pipefail
screencheck=$1 xclose=$2 assets=$3 scale=$4
shift 4
source "$(dirname "$0")/../../scripts/x11.sh"
start_xvfb
trap 'kill ${app:-} $xvfb_pid 2>/dev/null' EXIT
failures=0
failed() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Options the toolkit would act on must change nothing: the program takes no command line.
launch() {
    "$@" -platform offscreen -reverse &
    app=$!
    window=$(wait_for_form1 60) || { echo "FAIL: no window"; exit 1; }
    sleep 0.5
}

# Waits for the program to end, then checks its status.
ended() {
    for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.05; done
    if kill -0 "$app" 2>/dev/null; then
        failed "the program still runs after $1"
    else
        status=0
        wait "$app" || status=$?
        ((status == 0)) || failed "exit status $status after $1"
    fi
    app=
}

launch "$@"
shot=$(mktemp --suffix=.png)
import -window "$window" "$shot"
"$screencheck" "$shot" "$scale" "$assets" || failed "the window as it first shows"
rm -f "$shot"

if [[ $scale == 1 ]]; then
    mapfile -t boxes < <(grep -v '^#' "$(dirname "$0")/../tables/boxes.txt")
    declare -A at
    while read -r name x y; do at[$name]="$x $y"; done < <(grep '^Command' "$(dirname "$0")/../tables/form.txt")
    click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.1; }
    key() { xdotool key --clearmodifiers --delay 50 "$@"; sleep 0.2; }
    # What the box at window pixel ($1, $2) holds, through the clipboard. The clipboard is set to
    # a marker first, which copying an empty box leaves in place.
    copy() {
        echo -n marker | xclip -selection clipboard >/dev/null # it stays to serve the selection
        click "$1" "$2"
        key ctrl+a ctrl+c
        xclip -o -selection clipboard 2>/dev/null || true
    }
    # Reads every box back and compares it with column $1 of its row, or with nothing for
    # "empty". A slow machine gets a few tries before a box counts as wrong.
    expect() {
        for row in "${boxes[@]}"; do
            read -r -a field <<<"$row"
            want=marker # what copying an empty box leaves
            [[ $1 == empty ]] || want=${field[$1]//_/ }
            for _ in 1 2 3; do
                got=$(copy "${field[1]}" "${field[2]}")
                [[ $got == "$want" ]] && break
            done
            [[ $got == "$want" ]] || failed "${field[0]} holds '$got', expected '$want'"
        done
    }

    long=$(printf 'A%.0s' $(seq 40000))DIODO
    echo -n "$long" | xclip -selection clipboard >/dev/null
    read -r _ x y _ <<<"${boxes[1]}"
    click "$x" "$y"
    key ctrl+v
    [[ $(copy "$x" "$y") == "$long" ]] || failed "a long paste was not kept whole"
    key ctrl+a BackSpace

    for row in "${boxes[@]}"; do
        read -r -a field <<<"$row"
        click "${field[1]}" "${field[2]}"
        key ctrl+a BackSpace
        xdotool type --delay 20 "${field[3]//_/ }"
    done
    expect 3
    click ${at[Command1]} # PRUEBA
    expect 4
    click ${at[Command2]} # BORRAR
    expect empty
    click ${at[Command3]} # Salir
    ended '"Salir"'
    launch "$@"
fi

"$xclose" "$window"
ended "closing the window"
echo "realwindow: $failures failures"
((failures == 0))
