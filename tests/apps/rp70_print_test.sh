#!/bin/sh
# rp70 print: the printed report of a data file written as a PDF file, headless.
# Usage: rp70_print_test.sh PATH/TO/rp70
set -u
rp70=$1
work=$(mktemp -d)
export RP70_HOME="$work/home"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
. "$(dirname "$0")/checks.sh"

pages() { pdfinfo "$1" 2>/dev/null | sed -n 's/^Pages: *//p'; }

expect 0 "$rp70" new -o "$work/a.dat"

# Every section by default: one page each for a new image.
expect 0 "$rp70" print "$work/a.dat" --pdf "$work/all.pdf"
[ "$(pages "$work/all.pdf")" = 8 ] || fail "all sections: $(pages "$work/all.pdf") pages"
pdftotext "$work/all.pdf" "$work/all.txt"
[ "$(grep -c 'Channel VFO' "$work/all.txt")" -eq 2 ] || fail "two VFO blocks"
grep -q "File Name" "$work/all.txt" || fail "title block"
grep -q "a.dat" "$work/all.txt" || fail "the data file's name"

# Sections by name, in the report's own order.
expect 0 "$rp70" print "$work/a.dat" --pdf "$work/two.pdf" --sections alert,book
[ "$(pages "$work/two.pdf")" = 2 ] || fail "two sections: $(pages "$work/two.pdf") pages"
pdftotext -f 1 -l 1 "$work/two.pdf" - | grep -q 'Communication Book' || fail "book first"

# Wrong usage and failures write nothing.
expect 2 "$rp70" print "$work/a.dat"
expect 2 "$rp70" print "$work/a.dat" --pdf "$work/x.pdf" --sections channels,vhf
expect 1 "$rp70" print "$work/none.dat" --pdf "$work/x.pdf"
expect 1 "$rp70" print "$work/a.dat" --pdf "$work/typo/x.pdf"
[ ! -e "$work/x.pdf" ] && [ ! -e "$work/typo" ] || fail "a failed print left a file"

finish
