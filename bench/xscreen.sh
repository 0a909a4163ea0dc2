# Sourced by the start-up measurements: a virtual 800 × 600 X screen without a window
# manager (a window is mapped as soon as its program asks), exported as DISPLAY and
# stopped on exit.
command -v Xvfb >/dev/null || { echo "SKIP: Xvfb is missing"; exit 77; }

bench_screen_pid=
stop_bench_screen() {
    [ -n "$bench_screen_pid" ] && kill "$bench_screen_pid" 2>/dev/null && wait "$bench_screen_pid" 2>/dev/null
    return 0
}

# start_bench_screen: Xvfb picks a free display number and writes it on a pipe.
start_bench_screen() {
    local fifo number
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    bench_screen_pid=$!
    read -r -t 10 number <"$fifo" || { rm -f "$fifo"; echo "Xvfb did not start" >&2; exit 1; }
    rm -f "$fifo"
    export DISPLAY=":$number"
}
