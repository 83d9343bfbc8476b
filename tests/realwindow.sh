#!/usr/bin/env bash
# The real korval2 in its own Xvfb, worked as a person would: click into every answer box at the
# centre of its rectangle, type, press "PRUEBA", read each box back through the clipboard, then
# close the window through its frame and see the process end.
set -euo pipefail
korval2=$1
xclose=$2
source "$(dirname "$0")/../scripts/x11.sh"
start_xvfb
trap 'kill ${app:-} $xvfb_pid 2>/dev/null' EXIT

# Options Qt would act on must change nothing: the program takes no command line.
"$korval2" -platform offscreen -reverse &
app=$!
window=$(wait_for_form1) || { echo "FAIL: no window"; exit 1; }
sleep 0.3

# Box, centre of its rectangle in window pixels, what to type (_ for a space), the verdict.
boxes=(
    "Text1  110 131 TRANSFORMADOR  ERROR" "Text3  310 115 DIODO          BIEN"
    "Text4  378 115 DIODO_VARICAP  BIEN"  "Text5   46 243 fotodiodo      ERROR"
    "Text6  114 243 LED            BIEN"  "Text7  210 243 ZENER_         ERROR"
    "Text8   46 343 UNIJUNTURA     BIEN"  "Text9  130 342 TRANSISTOR_NPN BIEN"
    "Text10 226 342 TRANSISTOR_NPN ERROR" "Text11 306 343 JFET_N         ERROR"
    "Text12 362 342 JFETP          BIEN"
)
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.1; }
failures=0
# Reads every box back and compares it with column $1 of its row. A slow machine gets a few
# tries before a box counts as wrong.
expect() {
    for row in "${boxes[@]}"; do
        read -r -a field <<<"$row"
        want=${field[$1]//_/ }
        for _ in 1 2 3 4 5; do
            click "${field[1]}" "${field[2]}"
            xdotool key --clearmodifiers ctrl+a ctrl+c
            sleep 0.15
            got=$(xclip -o -selection clipboard 2>/dev/null || true)
            [[ $got == "$want" ]] && break
        done
        [[ $got == "$want" ]] || { echo "FAIL: ${field[0]} holds '$got', expected '$want'"; failures=$((failures + 1)); }
    done
}

for row in "${boxes[@]}"; do
    read -r -a field <<<"$row"
    click "${field[1]}" "${field[2]}"
    xdotool type --delay 20 "${field[3]//_/ }"
done
expect 3
click 408 204 # PRUEBA
expect 4

"$xclose" "$window"
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.05; done
status=0
if kill -0 "$app" 2>/dev/null; then
    echo "FAIL: korval2 still runs after its window was closed"
    failures=$((failures + 1))
else
    wait "$app" || status=$?
    [[ $status == 0 ]] || { echo "FAIL: exit status $status"; failures=$((failures + 1)); }
fi
app=
echo "realwindow: $failures failures"
((failures == 0))
