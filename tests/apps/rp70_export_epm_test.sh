#!/bin/sh
# rp70 export-epm: the auto-test export of a data file, in the factory test mode only.
# Usage: rp70_export_epm_test.sh PATH/TO/rp70
set -u
rp70=$1
work=$(mktemp -d)
export RP70_HOME="$work/home"
. "$(dirname "$0")/checks.sh"

expect 0 "$rp70" new -o "$work/a.dat"

# Outside the factory test mode nothing is written.
expect 2 "$rp70" export-epm "$work/a.dat" -o "$work/a.EPM"
grep -q 'factory test mode' "$work/err" || fail "the missing factory test mode is named"
[ ! -e "$work/a.EPM" ] || fail "nothing written outside the factory test mode"

mkdir -p "$RP70_HOME"
printf 'QZMV74_8132_Service_UnitCheckSet' >"$RP70_HOME/TestData.ini"
expect 2 "$rp70" export-epm "$work/a.dat"
expect 2 "$rp70" export-epm "$work/a.dat" -o "$work/a.EPM" --kinds channels,radio
grep -q 'unknown kind radio' "$work/err" || fail "an unknown kind is named"
[ ! -e "$work/a.EPM" ] || fail "nothing written on wrong usage"

# A new image has no memory channel: the count line, the map and the memory, CR LF lines.
expect 0 "$rp70" export-epm "$work/a.dat" -o "$work/a.EPM"
[ "$(head -n 1 "$work/a.EPM")" = "$(printf '0,9\r')" ] || fail "count line: $(head -n 1 "$work/a.EPM")"
[ "$(wc -l <"$work/a.EPM")" -eq $((1 + 1024 + 16384)) ] || fail "lines of the export"
[ "$(grep -c "$(printf '\r')\$" "$work/a.EPM")" -eq $((1 + 1024 + 16384)) ] || fail "CR LF lines"
marked() { sed -n "2,1025p" "$1" | grep -c '^1'; }
plain=$(marked "$work/a.EPM")

# Each kind ticked adds its blocks to the map; the memory stays as a Write builds it.
expect 0 "$rp70" export-epm "$work/a.dat" -o "$work/b.EPM" --kinds book,scan
[ "$(marked "$work/b.EPM")" -eq $((plain + 104 + 1)) ] || fail "book and scan blocks marked"
[ "$(sed -n '1026,$p' "$work/a.EPM" | cksum)" = "$(sed -n '1026,$p' "$work/b.EPM" | cksum)" ] ||
    fail "the memory does not depend on the kinds"

finish
