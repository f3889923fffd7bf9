#!/bin/sh
# rp70 export-csv and import-csv: the channel list as CSV, both ways, with the import's report.
# Usage: rp70_csv_test.sh PATH/TO/rp70
set -u
rp70=$1
work=$(mktemp -d)
export RP70_HOME="$work/home"
. "$(dirname "$0")/checks.sh"

printf '\357\273\277Name,Location,Frequency,Duplex,Offset,Tone,rToneFreq,Power\r\n' >"$work/in.csv"
printf 'RPT,1,146.94,-,0.6,Tone,100.0,Low\r\nFAR,2,446.0,,0,,,High\r\n' >>"$work/in.csv"

# Rows go into a new image of the band; the report names each row.
expect 0 "$rp70" import-csv "$work/in.csv" -o "$work/a.dat" --band 3
grep -q '^line 2 (1): imported$' "$work/out" || fail "imported row reported: $(cat "$work/out")"
grep -q '^line 3 (2): refused: receive frequency 446.000000 is outside' "$work/out" ||
    fail "refused row reported"
grep -q '^2 rows: 1 imported (0 corrected), 1 refused$' "$work/out" || fail "count line"

# Export writes what import reads.
expect 0 "$rp70" export-csv "$work/a.dat" -o "$work/a.csv"
grep -q '^1,RPT,146.940000,-,0.600000,Tone,100.0,' "$work/a.csv" || fail "exported row"
expect 0 "$rp70" import-csv "$work/a.csv" -o "$work/b.dat" --into "$work/a.dat"
expect 0 "$rp70" export-csv "$work/b.dat" -o "$work/b.csv"
cmp -s "$work/a.csv" "$work/b.csv" || fail "export, import and export again differ"

# A file that is no channel list writes nothing.
printf 'Location,Frequency\n1,"145.5\n' >"$work/bad.csv"
expect 1 "$rp70" import-csv "$work/bad.csv" -o "$work/c.dat"
grep -q 'never closed' "$work/err" || fail "the unclosed quote is named: $(cat "$work/err")"
[ ! -e "$work/c.dat" ] || fail "nothing written for a broken file"
expect 2 "$rp70" import-csv "$work/in.csv" -o "$work/c.dat" --band 3 --into "$work/a.dat"
expect 2 "$rp70" export-csv "$work/a.dat"

finish
