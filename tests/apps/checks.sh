# What the shell tests of the programs share; sourced once $work (a scratch folder) is set.

failures=0

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

# finish: the summary line and the exit status.
finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures failure(s)"
        exit 1
    fi
    echo "all passed"
    exit 0
}
