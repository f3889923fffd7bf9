#!/bin/sh
# The simulated radio on its pseudo-terminal, driven through the device as a serial program
# would drive it. Usage: rp70_sim_test.sh PATH/TO/rp70-sim
set -u
sim=$1
work=$(mktemp -d)
. "$(dirname "$0")/checks.sh"

# exchange COUNT BYTES: sends BYTES (printf escapes) on fd 3 and prints the next COUNT bytes
# received, in hex.
exchange() {
    # shellcheck disable=SC2059
    printf "$2" >&3
    timeout 5 dd bs=1 count="$1" <&3 2>/dev/null | od -An -v -tx1 | tr -s ' \n' '  ' |
        sed 's/^ //; s/ $//'
}

# byte_at FILE OFFSET COUNT: COUNT bytes of FILE from OFFSET, in hex.
bytes_at() {
    od -An -v -tx1 -j "$2" -N "$3" "$1" | tr -s ' \n' '  ' | sed 's/^ //; s/ $//'
}

open_device() {
    stty -F "$dev" raw -echo 2>/dev/null || fail "stty on $dev"
    exec 3<>"$dev"
}

# A missing memory file is created blank; the link names the device.
start_sim 4 --fast --memory "$work/m.bin" --log "$work/wire.log" --link "$work/radio" \
    --band 0x30 --killed --password AB
[ "$(readlink "$work/radio")" = "$dev" ] || fail "the link points to $(readlink "$work/radio")"
[ "$(wc -c <"$work/m.bin")" -eq 16384 ] || fail "memory file size"
[ "$(bytes_at "$work/m.bin" 256 1)" = "ff" ] || fail "blank pattern at 0100"

open_device
got=$(exchange 10 'PROGRAM')
[ "$got" = "50 52 4f 47 52 41 4d 5a 54 06" ] || fail "PROGRAM answered $got"
got=$(exchange 17 '\002')
[ "$got" = "02 49 4b 54 52 50 37 30 ff 30 56 31 30 30 e0 01 06" ] || fail "identification $got"
got=$(exchange 26 'R\000\100\020')
[ "$(echo "$got" | cut -d' ' -f21-26)" = "41 42 ff ff d1 06" ] || fail "password block $got"
# W 2000 with 16 bytes 30 ... 3F: checksum 20 + 00 + 10 + 0378 = A8 (mod 256).
frame='W\040\000\020\060\061\062\063\064\065\066\067\070\071\072\073\074\075\076\077\250\006'
got=$(exchange 23 "$frame")
[ "${got##* }" = "06" ] || fail "write frame answered $got"
[ "$(bytes_at "$work/m.bin" 8192 4)" = "30 31 32 33" ] || fail "memory file after the write"
got=$(exchange 4 'END')
[ "$got" = "45 4e 44 06" ] || fail "END answered $got"
exec 3>&-

# The device stays usable for the next session, which reads back what was written.
open_device
exchange 10 'PROGRAM' >/dev/null
got=$(exchange 26 'R\040\000\020')
[ "$(echo "$got" | cut -d' ' -f9-12)" = "30 31 32 33" ] || fail "read back $got"
exec 3>&-

kill -TERM "$sim_pid"
wait "$sim_pid"
[ $? -eq 0 ] || fail "SIGTERM did not end the simulator cleanly"
[ ! -e "$work/radio" ] && [ ! -L "$work/radio" ] || fail "the link is left behind"
grep -q '^= W 2000$' "$work/wire.log" || fail "the transcript names the write"
grep -q '^> 45 4E 44$' "$work/wire.log" || fail "the transcript shows END"

# By default the bytes leave at 9600 baud: 10 bytes take at least 10 ms.
start_sim 4
open_device
before=$(date +%s%N)
exchange 10 'PROGRAM' >/dev/null
after=$(date +%s%N)
[ $(((after - before) / 1000000)) -ge 10 ] || fail "PROGRAM answered in under 10 ms"
exec 3>&-
kill -INT "$sim_pid"
wait "$sim_pid" || fail "SIGINT did not end the simulator cleanly"

# Hanging up: the second command is only echoed, then the line goes away and the simulator ends.
start_sim 4 --fast --hang-up-after 1
open_device
exchange 10 'PROGRAM' >/dev/null
got=$(exchange 1 '\002')
[ "$got" = "02" ] || fail "echo before the hang-up: $got"
wait "$sim_pid"
[ $? -eq 0 ] || fail "the simulator did not end after hanging up"
exec 3>&-

# A memory file of another size is refused with one line.
head -c 100 /dev/zero >"$work/short.bin"
"$sim" --memory "$work/short.bin" >"$work/out" 2>"$work/err"
[ $? -eq 1 ] || fail "a short memory file was accepted"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "short memory file: $(cat "$work/err")"
[ ! -s "$work/out" ] || fail "a device was offered for a short memory file"

finish
