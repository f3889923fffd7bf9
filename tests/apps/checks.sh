# What the shell tests of the programs share; sourced once $work (a scratch folder) is set,
# and $sim (the rp70-sim program) where simulated radios are started.

failures=0
pids=""

# Stops the simulated radios and removes the scratch folder (kept when KEEP is set).
cleanup() {
    for pid in $pids; do
        kill "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    [ -n "${KEEP:-}" ] || rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# expect STATUS COMMAND...: runs the command (at most a minute), keeps its output in $work/out
# and $work/err.
expect() {
    want=$1
    shift
    timeout 60 "$@" >"$work/out" 2>"$work/err" </dev/null
    got=$?
    [ "$got" = "$want" ] || fail "$* exited $got, expected $want: $(cat "$work/err")"
}

# start_sim FD ARGS...: starts a simulated radio with ARGS and sets $dev to the device path it
# prints first, $sim_pid to its process. Its output stays open on descriptor FD (3 to 9); the
# first line is read through a pipe, so nothing waits by the clock.
start_sim() {
    fd=$1
    shift
    rm -f "$work/sim$fd.fifo"
    mkfifo "$work/sim$fd.fifo"
    "$sim" "$@" >"$work/sim$fd.fifo" 2>"$work/sim$fd.err" &
    sim_pid=$!
    pids="$pids $sim_pid"
    eval "exec $fd<\"\$work/sim\$fd.fifo\""
    dev=$(timeout 10 sh -c 'IFS= read -r line && printf "%s" "$line"' <&"$fd")
    [ -n "$dev" ] || fail "rp70-sim $* printed no device: $(cat "$work/sim$fd.err")"
}

# finish: the summary line and the exit status.
finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures failure(s)"
        exit 1
    fi
    echo "all passed"
    exit 0
}
