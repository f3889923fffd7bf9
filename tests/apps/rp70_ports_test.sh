#!/bin/sh
# Serial port help, the lock that keeps a second program off a port in use, and one data file
# written into several simulated radios at once.
# Usage: rp70_ports_test.sh PATH/TO/rp70 PATH/TO/rp70-sim
set -u
rp70=$1
sim=$2
work=$(mktemp -d)
export RP70_HOME="$work/home"
. "$(dirname "$0")/checks.sh"

expect 0 "$rp70" ports
grep -q 'device path' "$work/out" || fail "ports names the device path of a pseudo-terminal"

# Two reads of one radio: the second finds the port busy and names who holds it; the first goes
# on undisturbed. The radio runs at the wire's pace, so the first read lasts some seconds.
start_sim 3
timeout 60 "$rp70" read --port "$dev" -o "$work/first.dat" 2>"$work/first.err" &
first=$!
inode=$(stat -L -c %i "$dev")
tries=0
until grep -q "FLOCK .*:$inode " /proc/locks || [ $tries -ge 200 ]; do
    sleep 0.05 # until the first read has locked the port
    tries=$((tries + 1))
done
expect 1 "$rp70" read --port "$dev" -o "$work/second.dat"
grep -q "is busy: another program is using it (locked by process [0-9]* (rp70))" "$work/err" ||
    fail "the second read names the port busy: $(cat "$work/err")"
[ ! -e "$work/second.dat" ] || fail "nothing saved by the refused read"
wait "$first" || fail "the first read: $(cat "$work/first.err")"

# Only a write takes several ports, each once.
expect 2 "$rp70" read --port "$dev" --port "$dev-other" -o "$work/x.dat"
expect 2 "$rp70" write --port "$dev" --port "$dev" "$work/first.dat"

# One file into three radios at once; the killed one fails, and only it.
for n in 4 5 6; do
    if [ $n = 6 ]; then
        start_sim $n --fast --killed --memory "$work/radio$n.bin"
    else
        start_sim $n --fast --memory "$work/radio$n.bin"
    fi
    eval "dev$n=\$dev"
done
expect 1 "$rp70" write --port "$dev4" --port "$dev5" --port "$dev6" "$work/first.dat"
[ "$(grep -c ' OK$' "$work/out")" -eq 2 ] || fail "two radios written: $(cat "$work/out")"
grep -q "^$dev6  failed: .*killed" "$work/out" || fail "the killed radio named: $(cat "$work/out")"
[ "$(tail -n 1 "$work/err")" = "rp70: 1 of 3 radios failed" ] || fail "summary: $(cat "$work/err")"
"$rp70" memory "$work/first.dat" >"$work/memory"
for n in 4 5; do
    eval "expect 0 \"\$rp70\" read --port \"\$dev$n\" -o \"\$work/back$n.dat\""
    "$rp70" memory "$work/back$n.dat" >"$work/memory$n"
    cmp -s "$work/memory" "$work/memory$n" || fail "radio $n holds the file written"
done

finish
