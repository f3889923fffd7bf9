#!/bin/sh
# Every fault and identity switch of rp70-sim against rp70 read, write and info.
# Usage: rp70_fault_matrix_test.sh cells read|write|info line|identity PATH/TO/rp70 PATH/TO/rp70-sim
#          RESULTS
#          runs one command against the rows of the line's faults or of the radio's identity and
#          keeps their cells in RESULTS/COMMAND-GROUP.cells;
#        rp70_fault_matrix_test.sh table RESULTS README.md
#          builds the table from the cells and compares it with the one in README.md
#          (RP70_UPDATE_README=1 writes it there instead).
set -u

# The rows of a group (line, identity, or both when none is named): what the table shows |
# rp70-sim's switches | rp70's switches.
rows() {
    [ "${1:-line}" != line ] || line_rows
    [ "${1:-identity}" != identity ] || identity_rows
}

line_rows() {
    cat <<'EOF'
(none)||
--no-echo|--no-echo|
--bad-checksum 1|--bad-checksum 1|
--long-reply 1|--long-reply 1|
--noise-before 4|--noise-before 4|
--repeat-write 1|--repeat-write 1|
--repeat-write 1,2,3,4,5,6|--repeat-write 1,2,3,4,5,6|
--corrupt-write 1|--corrupt-write 1|
--silent-after 10|--silent-after 10|
--hang-up-after 3|--hang-up-after 3|
EOF
}

identity_rows() {
    cat <<'EOF'
--model KTRP71|--model KTRP71|
--version V101|--version V101|
--band 48|--band 48|
--killed|--killed|
--stunned|--stunned|
--password 1234|--password 1234|
--password 1234, rp70 --radio-password 1234|--password 1234|--radio-password 1234
EOF
}

begin_marker='<!-- fault-matrix:begin -->'
end_marker='<!-- fault-matrix:end -->'

# table RESULTS: the markdown table of every cell, rows in order, Read, Write, Info in each.
table() {
    echo '| Switches | Command | Exit | What rp70 prints on stderr | END sent | Re-sends | Radio memory |'
    echo '|---|---|---|---|---|---|---|'
    rows | while IFS='|' read -r label _ _; do
        for command in read write info; do
            cell=$(cat "$1/$command"-*.cells | awk -F '\t' -v row="$label" '$1 == row { print $2 }')
            echo "| \`$label\` | $command | ${cell:-(not run)} |"
        done
    done
}

if [ "$1" = table ]; then
    results=$2
    readme=$3
    table "$results" >"$results/table.md"
    awk -v begin="$begin_marker" -v end="$end_marker" '
        $0 == end { inside = 0 } inside { print } $0 == begin { inside = 1 }' "$readme" >"$results/readme.md"
    if cmp -s "$results/table.md" "$results/readme.md"; then
        echo "the table in README.md is the one the matrix gives"
        exit 0
    fi
    if [ "${RP70_UPDATE_README:-}" = 1 ]; then
        awk -v begin="$begin_marker" -v end="$end_marker" -v table="$results/table.md" '
            $0 == end { inside = 0 }
            !inside { print }
            $0 == begin { inside = 1; while ((getline line < table) > 0) print line }' \
            "$readme" >"$results/readme.new" && cat "$results/readme.new" >"$readme"
        echo "README.md: fault matrix table written"
        exit 0
    fi
    echo "FAIL: the fault matrix differs from README.md (RP70_UPDATE_README=1 writes it there):"
    diff "$results/readme.md" "$results/table.md"
    exit 1
fi

command=$2
group=$3
rp70=$4
sim=$5
results=$6
cells="$results/$command-$group.cells"
work=$(mktemp -d)
export RP70_HOME="$work/home"
. "$(dirname "$0")/checks.sh"

# The file a Write sends: the sample radio, read. The radio memory every cell starts from: a new
# image's, so that what a Write stores shows.
start_sim 3 --fast
expect 0 "$rp70" read --port "$dev" -o "$work/sample.dat"
kill "$sim_pid"
expect 0 "$rp70" memory "$work/sample.dat" --raw "$work/sent.bin"
expect 0 "$rp70" new -o "$work/new.dat"
expect 0 "$rp70" memory "$work/new.dat" --raw "$work/radio.bin"
cp "$work/sample.dat" "$work/keep.dat"
cp "$work/sample.fre" "$work/keep.fre"

# blocks FILE: the radio memory FILE one 16-byte block a line, "ADDRESS BYTES".
blocks() {
    od -An -v -tx1 -w16 "$1" | awk '{ printf "%04X", (NR - 1) * 16; $1 = $1; print " " $0 }'
}

# acknowledged LOG: the addresses of the write frames the radio answered with 06 (the answer
# follows the echo of the frame's last bytes on the line after the command).
acknowledged() {
    awk '/^> / { sent = NF - 1 } /^= W / { frame = $3; next }
        /^< / && frame != "" { if (NF - 1 > sent && $NF == "06") print frame; frame = "" }' "$1" |
        sort -u
}

# memory_state LOG BIN: what the radio memory BIN holds after the cell, against start.bin before
# and sent.bin, the memory the Write sends: "unchanged", or "N blocks written" (", K stored
# altered"); "FAULT: …" when a block other than an acknowledged one changed.
memory_state() {
    acknowledged "$1" >"$work/acked"
    blocks "$work/start.bin" >"$work/before.blocks"
    blocks "$2" >"$work/after.blocks"
    blocks "$work/sent.bin" >"$work/sent.blocks"
    paste -d '|' "$work/before.blocks" "$work/after.blocks" "$work/sent.blocks" |
        awk -F '|' -v acked="$work/acked" '
            BEGIN { while ((getline a < acked) > 0) { written[a] = 1; count++ } }
            { address = substr($1, 1, 4) }
            written[address] { if ($2 != $3) altered++; next }
            $1 != $2 { print "FAULT: " address " changed, never acknowledged"; exit }
            END { if (!count) print "unchanged"
                  else printf "%d blocks written%s\n", count, altered ? ", " altered " stored altered" : "" }' |
        head -n 1
}

# run_cell LABEL SIM-SWITCHES RP70-SWITCHES: one cell; its table entry goes to the cells file.
run_cell() {
    label=$1
    simargs=$2
    rp70args=$3
    cp "$work/radio.bin" "$work/start.bin"
    case $simargs in
    *--password*) printf '1234' | dd of="$work/start.bin" bs=1 seek=76 conv=notrunc 2>/dev/null ;;
    esac
    cp "$work/start.bin" "$work/cell.bin"
    cp "$work/keep.dat" "$work/out.dat"
    cp "$work/keep.fre" "$work/out.fre"
    # shellcheck disable=SC2086 # the switches are words
    start_sim 4 --fast --memory "$work/cell.bin" --log "$work/cell.log" $simargs
    case $command in
    read) set -- read -o "$work/out.dat" ;;
    write) set -- write "$work/out.dat" ;;
    info) set -- info ;;
    esac
    # shellcheck disable=SC2086
    timeout 30 "$rp70" "$@" --port "$dev" $rp70args >"$work/out" 2>"$work/err" </dev/null
    status=$?
    kill "$sim_pid" 2>/dev/null
    wait "$sim_pid" # its transcript is complete once it has gone
    what="$label, $command"

    [ "$status" -ne 124 ] || fail "$what: rp70 still ran after 30 s"
    [ "$(wc -l <"$work/err")" -le 1 ] || fail "$what: more than one line on stderr: $(cat "$work/err")"
    [ "$status" -eq 0 ] || [ -s "$work/err" ] || fail "$what: a failure without a line on stderr"
    # The data file (a read's output, a write's input) changes only by a read that succeeded.
    cmp -s "$work/keep.dat" "$work/out.dat" && cmp -s "$work/keep.fre" "$work/out.fre" &&
        kept=yes || kept=no
    if [ "$command" = read ] && [ "$status" -eq 0 ]; then
        [ "$kept" = no ] || fail "$what: the read saved nothing"
    else
        [ "$kept" = yes ] || fail "$what: the data file changed"
    fi
    [ "$command" != info ] || [ "$status" -ne 0 ] || grep -q '^Radio Type:' "$work/out" ||
        fail "$what: info printed no information"
    # The line: given back by the computer, unless the radio hung it up first.
    grep -q '^# line hung up' "$work/cell.log" ||
        [ "$(grep '^# the computer' "$work/cell.log" | tail -n 1)" = "# the computer closed the line" ] ||
        fail "$what: the line was not closed: $(grep '^#' "$work/cell.log")"
    memory=$(memory_state "$work/cell.log" "$work/cell.bin")
    case $memory in FAULT*) fail "$what: $memory" ;; esac
    [ "$command" = write ] || [ "$memory" = unchanged ] || fail "$what: the radio memory changed"

    printed=$(sed "s|^rp70: $dev: ||" "$work/err")
    [ -n "$printed" ] || printed="(nothing; the information on stdout)"
    grep -q '^= END$' "$work/cell.log" && ended=yes || ended=no
    resends=$(awk '/^= / { if ($0 == last) n++; last = $0 } END { print n + 0 }' "$work/cell.log")
    printf '%s\t%s | %s | %s | %s | %s\n' "$label" "$status" "$printed" "$ended" "$resends" \
        "$memory" >>"$cells"
}

mkdir -p "$results"
: >"$cells"
rows "$group" >"$work/rows"
while IFS='|' read -r label simargs rp70args; do
    run_cell "$label" "$simargs" "$rp70args"
done <"$work/rows"
cat "$cells"
finish
