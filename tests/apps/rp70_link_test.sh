#!/bin/sh
# The link commands of the command line tool against simulated radios on pseudo-terminals.
# Usage: rp70_link_test.sh PATH/TO/rp70 PATH/TO/rp70-sim
set -u
rp70=$1
sim=$2
work=$(mktemp -d)
export RP70_HOME="$work/home"
. "$(dirname "$0")/checks.sh"

# same FILE1 FILE2 WHAT: the two data files show the same channel table.
same_table() {
    "$rp70" show "$1" | grep -v '^File:' >"$work/show1"
    "$rp70" show "$2" | grep -v '^File:' >"$work/show2"
    cmp -s "$work/show1" "$work/show2" || fail "$3: $(diff "$work/show1" "$work/show2" | head -5)"
}

expect 0 "$rp70" ports
grep -q 'device path' "$work/out" || fail "ports names the device path of a pseudo-terminal"

# poke FILE OFFSET BYTES: writes BYTES (printf escapes) into FILE at the decimal OFFSET.
poke() {
    printf "$3" | dd of="$1" bs=1 seek="$2" conv=notrunc 2>/dev/null
}

# A programmed radio: a new image's memory with three memory channels (shown as rows 0-2),
# CALL and VFO set.
expect 0 "$rp70" new -o "$work/base.dat"
expect 0 "$rp70" memory "$work/base.dat" --raw "$work/radio.bin"
poke "$work/radio.bin" 256 '\370' # channels 1-3 in use
poke "$work/radio.bin" 8192 '\001\105\140\000\000\000\140\000\005\000\003' # 145.600 +0.6, 12.5K
poke "$work/radio.bin" 8211 'REPEAT '
poke "$work/radio.bin" 8224 '\004\065\000\000' # 435.000
poke "$work/radio.bin" 8243 'UHF    '
poke "$work/radio.bin" 8256 '\001\106\122\120' # 146.525
poke "$work/radio.bin" 672 '\001\106\000\000'  # CALL 146.000
poke "$work/radio.bin" 704 '\001\120\000\000'  # VFO 150.000
# Options, scan and alert settings and two book entries other than a new image's.
poke "$work/radio.bin" 528 '123\000  '                                  # power-on password
poke "$work/radio.bin" 538 '\001'                                       # key lock
poke "$work/radio.bin" 544 '\001\001\001\003\000\002\001\002\037\000\002\003\000\002\001\001'
poke "$work/radio.bin" 560 '\303'
poke "$work/radio.bin" 563 '\013\002\001'
poke "$work/radio.bin" 568 '\001'                                       # password on
poke "$work/radio.bin" 576 '\016\003\377\007\014\000\001\004\010\011\012\013' # keys
poke "$work/radio.bin" 992 'HELLO  '                                   # welcome text
poke "$work/radio.bin" 928 '\002\002\000\012\024\036\001\000\001\005\001\012\036' # alert
poke "$work/radio.bin" 944 '\001\003\006\005\011\002\003\001\001\012\000\000\377\001' # scan
poke "$work/radio.bin" 6528 '12\000\000\000345\000\000'                # book IDs
poke "$work/radio.bin" 7168 'BOB\000\000\000\000\000ALICE\000\000'     # book names
# Two DTMF memories, the own ID and the kill code.
poke "$work/radio.bin" 1024 '\022\064'
poke "$work/radio.bin" 1036 '\004'
poke "$work/radio.bin" 1040 '\126\170'
poke "$work/radio.bin" 1052 '\004'
poke "$work/radio.bin" 743 '\001\002\003'
poke "$work/radio.bin" 752 '\023\127'
poke "$work/radio.bin" 759 '\004'
# A second 2-tone decode entry, named, with the tones of the first.
poke "$work/radio.bin" 896 '\374'
dd if="$work/radio.bin" of="$work/radio.bin" bs=1 skip=2816 seek=2832 count=8 conv=notrunc 2>/dev/null
poke "$work/radio.bin" 2840 'HOME\000\000\000'

# Every 5-tone field at the end of its range, with the longest codes: the system settings and the
# decode time, 24-digit begin and end codes, full info codes 1 and 8 and 40-digit code list
# entries 0 and 99 (the only ones in use).
poke "$work/radio.bin" 800 '\007\002\015\005\012\001\002\003\004\005\000\377\001\113\372\377\001\017\017\377\310'
poke "$work/radio.bin" 864 '\000\006\030\012\022\064\126\170\232\274\337\001\043\105\147\211'
poke "$work/radio.bin" 880 '\000\015\030\003\230\166\124\062\020\376\334\272\230\166\124\062'
poke "$work/radio.bin" 912 '\376\377\377\377\377\377\377\377\377\377\377\377\367'
poke "$work/radio.bin" 1280 '\003\002\014\001\002\003\004\005\006\007\010\011\012\013\014\000KILL   '
poke "$work/radio.bin" 1504 '\005\002\014\014\013\012\011\010\007\006\005\004\003\002\001\000WAKE UP'
poke "$work/radio.bin" 3328 '\000\015\050\012\022\064\126\170\232\274\337\001\043\105\147\211\022\064\126\170\232\274\337\001FIRST  '
poke "$work/radio.bin" 6496 '\000\006\050\003\230\166\124\062\020\376\334\272\230\166\124\062\020\376\334\272\230\166\124\062LAST   '

# It is read, written into a blank radio and read back: the same data.
start_sim 3 --fast --memory "$work/radio.bin"
programmed=$dev
expect 0 "$rp70" read --port "$programmed" -o "$work/radio.dat"
grep -q 'read' "$work/err" || fail "read reports success: $(cat "$work/err")"
[ "$(wc -c <"$work/radio.dat")" -eq 8631 ] || fail "read saves a data file"
[ "$(wc -c <"$work/radio.fre")" -eq 540 ] || fail "read saves the five channels"
"$rp70" show --used "$work/radio.dat" >"$work/out"
grep -q '^0  *145\.60000  *146\.20000  *REPEAT  *12\.5K ' "$work/out" || fail "channel 1 read"
grep -q '^1  *435\.00000  *435\.00000  *UHF ' "$work/out" || fail "channel 2 read"
grep -q '^2  *146\.52500 ' "$work/out" || fail "channel 3 read"
grep -q '^CALL  *146\.00000 ' "$work/out" || fail "CALL read"
grep -q '^VFO  *150\.00000 ' "$work/out" || fail "VFO read"
[ "$(od -An -tx1 "$RP70_HOME/Setting.ini" | tr -d ' \n')" = "0100010001000000" ] ||
    fail "the radio's features (5-tone, 2-tone, DTMF) are stored in the feature file"

start_sim 4 --fast --memory "$work/blank.bin"
blank=$dev
expect 0 "$rp70" write --port "$blank" "$work/radio.dat"
grep -q 'written' "$work/err" || fail "write reports success: $(cat "$work/err")"
expect 0 "$rp70" read --port "$blank" -o "$work/back.dat"
same_table "$work/radio.dat" "$work/back.dat" "written and read back"
"$rp70" memory "$work/radio.dat" >"$work/memory1"
"$rp70" memory "$work/back.dat" >"$work/memory2"
cmp -s "$work/memory1" "$work/memory2" || fail "the radio memory of what was written and read back"
"$rp70" settings "$work/radio.dat" >"$work/settings1"
"$rp70" settings "$work/back.dat" >"$work/settings2"
cmp -s "$work/settings1" "$work/settings2" ||
    fail "settings written and read back: $(diff "$work/settings1" "$work/settings2" | head -5)"
for shown in 'HELLO' 'BOB' 'ALICE' '345' '^M1  *1234$' '^M2  *5678$' '^Own ID  *123$' \
    '^Remote Kill  *1357$' '^1  .*HOME$' '^Own ID  *12345$' '^Decode Time(ms)  *2000$' \
    '^PTT-ID Begin Code Code  *123456789ABCDF0123456789$' '^Info Code #8 Name  *WAKE UP$' \
    '^99  *9876543210FEDCBA9876543210FEDCBA98765432  CCIR1  30  LAST$'; do
    grep -q "$shown" "$work/settings1" || fail "settings show \"$shown\" as read"
done

# A new image and a protected data file go in and come back.
expect 0 "$rp70" new --password PW -o "$work/new.dat"
expect 0 "$rp70" write --port "$blank" --password PW "$work/new.dat"
expect 0 "$rp70" read --port "$blank" --password SECRET -o "$work/new-back.dat"
expect 1 "$rp70" show "$work/new-back.dat"
expect 0 "$rp70" show --password SECRET "$work/new-back.dat"
grep -q '^VFO  *155\.00000 ' "$work/out" || fail "the new image's VFO came back"

# The radio information, with its captions.
expect 0 "$rp70" info --port "$programmed"
for caption in "Radio Type" "Frequency" "Area Code" "Manufacture Code" "User Code" \
    "Serial Number" "Producted Date" "Maintained Date" "Maintained Description" "Version" \
    "Dealer Code" "Stock Date" "Sell Date" "Seller"; do
    grep -q "^$caption:" "$work/out" || fail "info prints \"$caption\""
done
grep -q '^Radio Type: *KT-RP70$' "$work/out" || fail "info prints the model"

# The radio password: a wrong one fails in one line and saves nothing; the right one reads.
start_sim 5 --fast --password 1234
locked=$dev
expect 1 "$rp70" read --port "$locked" --radio-password 9999 -o "$work/locked.dat"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "one line for a wrong radio password: $(cat "$work/err")"
grep -q 'not the one given with --radio-password' "$work/err" || fail "wrong radio password named"
expect 1 "$rp70" info --port "$locked"
grep -q 'wants its programming password (--radio-password' "$work/err" || fail "radio password asked for: $(cat "$work/err")"
[ ! -e "$work/locked.dat" ] || fail "nothing saved after a wrong radio password"
expect 1 "$rp70" info --port "$locked"
expect 0 "$rp70" read --port "$locked" --radio-password 1234 -o "$work/locked.dat"
expect 2 "$rp70" read --port "$locked" --radio-password 12345 -o "$work/locked.dat"

# The line hung up in the middle of a read: the existing output stays as it was.
start_sim 6 --fast --hang-up-after 20
cp "$work/radio.dat" "$work/keep.dat"
cp "$work/radio.fre" "$work/keep.fre"
expect 1 "$rp70" read --port "$dev" -o "$work/keep.dat"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "one line for a lost line: $(cat "$work/err")"
cmp -s "$work/radio.dat" "$work/keep.dat" || fail "a failed read changed the data file"
cmp -s "$work/radio.fre" "$work/keep.fre" || fail "a failed read changed the channel file"

# Ctrl+C in the middle of a read at the wire's pace: the radio is told END, nothing is saved.
# (--foreground: one Ctrl+C, not a second one sent to the process group.)
start_sim 7 --memory "$work/radio.bin" --log "$work/wire.log"
expect 1 timeout --foreground --preserve-status -s INT 2 "$rp70" read --port "$dev" -o "$work/keep.dat"
[ "$(cat "$work/err")" = "rp70: transfer cancelled" ] || fail "cancel: $(cat "$work/err")"
cmp -s "$work/radio.dat" "$work/keep.dat" || fail "a cancelled read changed the data file"
kill "$sim_pid"
wait "$sim_pid" # its transcript is complete once it has gone
[ "$(grep '^=' "$work/wire.log" | tail -n 1)" = "= END" ] || fail "a cancelled read ends with END"

# Every Read and every Write kept a backup; --backup-radio reads the radio into one first.
expect 0 "$rp70" backups
[ "$(grep -c ' read ' "$work/out")" -ge 2 ] || fail "reads are backed up: $(cat "$work/out")"
grep -q ' written  KT-RP70  3 ' "$work/out" || fail "writes are backed up: $(cat "$work/out")"
written=$(grep ' written ' "$work/out" | tail -1 | awk '{print $NF}')
same_table "$work/radio.dat" "$written" "the first write's backup reopens as the file written"
count=$(ls "$RP70_HOME/backups"/*.dat | wc -l)
expect 0 "$rp70" write --port "$blank" --backup-radio "$work/radio.dat"
[ "$(ls "$RP70_HOME/backups"/*.dat | wc -l)" -eq $((count + 2)) ] ||
    fail "--backup-radio keeps the radio read and the image written"
expect 0 "$rp70" read --port "$blank" -o "$work/after.dat"
same_table "$work/radio.dat" "$work/after.dat" "--backup-radio still writes the file"

# rp70 diff: equal files give 0 and no line; a file and a different one give 1 and their lines.
expect 0 "$rp70" diff "$work/radio.dat" "$work/back.dat"
[ ! -s "$work/out" ] || fail "equal files show no difference: $(cat "$work/out")"
expect 1 "$rp70" diff "$work/radio.dat" "$work/base.dat"
grep -q ' -> ' "$work/out" || fail "differences show old -> new: $(cat "$work/out")"
expect 2 "$rp70" diff "$work/radio.dat" "$work/none.dat"

# rp70 diff --port: the radio just written is the file; a changed file differs from it. The read
# keeps nothing.
count=$(ls "$RP70_HOME/backups"/*.dat | wc -l)
expect 0 "$rp70" diff "$work/radio.dat" --port "$blank"
[ ! -s "$work/out" ] || fail "the radio written shows no difference: $(cat "$work/out")"
expect 1 "$rp70" diff "$work/base.dat" --port "$blank"
grep -q '^CH 0  *RX Freq.* -> 145\.60000$' "$work/out" || fail "the radio's first channel: $(cat "$work/out")"
[ "$(ls "$RP70_HOME/backups"/*.dat | wc -l)" -eq "$count" ] || fail "a compare keeps no backup"
expect 2 "$rp70" diff "$work/radio.dat" "$work/back.dat" --port "$blank"
expect 2 "$rp70" diff "$work/radio.dat" --port "$work/no-such-port"
expect 2 "$rp70" diff "$work/radio.dat" --port "$locked" --radio-password 9999

# A radio that stores a written block other than it acknowledged: the read-back finds it.
start_sim 5 --fast --memory "$work/faulty.bin" --corrupt-write 3
expect 1 "$rp70" write --port "$dev" "$work/radio.dat"
grep -q 'differ from what was written' "$work/err" || fail "verify reports the block: $(cat "$work/err")"
grep -q ' 0120  channel scan bitmap' "$work/err" || fail "verify names the address: $(cat "$work/err")"
expect 0 "$rp70" write --port "$dev" --no-verify "$work/radio.dat"

# Wrong usage and ports that are not there.
expect 2 "$rp70" read -o "$work/x.dat"
expect 2 "$rp70" read --port "$programmed"
expect 2 "$rp70" write --port "$programmed"
expect 2 "$rp70" read --port "$programmed" --factory -o "$work/x.dat"
grep -q 'factory test mode' "$work/err" || fail "--factory names the factory test mode"
expect 1 "$rp70" read --port "$work/no-such-port" -o "$work/x.dat"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "one line for a missing port: $(cat "$work/err")"
grep -q "no-such-port" "$work/err" || fail "the missing port is named"
[ ! -e "$work/x.dat" ] || fail "nothing saved without a radio"
expect 1 "$rp70" write --port "$programmed" "$work/none.dat"

# The factory test values travel with --factory, in the factory test mode only.
printf 'QZMV74_8132_Service_UnitCheckSet' >"$RP70_HOME/TestData.ini"
cp "$work/radio.dat" "$work/factory.dat"
cp "$work/radio.fre" "$work/factory.fre"
expect 1 "$rp70" write --factory --port "$blank" "$work/factory.dat"
grep -q 'factory.ted' "$work/err" || fail "a factory write names the missing test values file"
i=0
while [ $i -lt 32 ]; do
    case $i in
    0 | 1 | 14 | 15 | 29 | 30 | 31) value=0 ;; # the radio's own values, and the unsent ones
    18 | 19 | 20) value=$((300 + i)) ;;
    *) value=$((3 * i)) ;;
    esac
    printf "\\$(printf %03o $((value % 256)))\\$(printf %03o $((value / 256)))"
    i=$((i + 1))
done >"$work/factory.ted"
expect 0 "$rp70" write --factory --port "$blank" "$work/factory.dat"
expect 0 "$rp70" read --factory --port "$blank" -o "$work/factory-back.dat"
cmp -s "$work/factory.ted" "$work/factory-back.ted" || fail "test values written and read back"
expect 0 "$rp70" read --port "$blank" -o "$work/plain.dat"
[ ! -e "$work/plain.ted" ] || fail "a read without --factory saves no test values"

finish
