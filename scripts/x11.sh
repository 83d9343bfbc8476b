# Sourced by the scripts that need an X display of their own and the korval2 window on it.

# Starts Xvfb at 96 dpi on a free display, exports DISPLAY, and leaves its process id in
# xvfb_pid for the caller to end. -noreset: by default Xvfb resets when its last client leaves,
# and a client that connects during the reset is refused.
start_xvfb() {
    local display_file
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset 3>"$display_file" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do [[ -s $display_file ]] && break; sleep 0.05; done
    DISPLAY=:$(cat "$display_file")
    export DISPLAY
    rm -f "$display_file"
    export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
}

# Prints the id of the visible window titled "Form1" once it is there: 5 seconds at most, or
# as many as the first argument says.
wait_for_form1() {
    local window
    for _ in $(seq $((${1:-5} * 20))); do
        window=$(xdotool search --onlyvisible --name '^Form1$' 2>/dev/null | head -n 1) &&
            [[ -n $window ]] && { echo "$window"; return 0; }
        sleep 0.05
    done
    return 1
}
