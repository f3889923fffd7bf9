#!/bin/sh
# The data file commands of the command line tool, driven as a person or a script would.
# Usage: rp70_file_commands_test.sh PATH/TO/rp70
set -u
rp70=$1
work=$(mktemp -d)
export RP70_HOME="$work/home"
. "$(dirname "$0")/checks.sh"

# A new image shows only its VFO row, in the middle of the band.
expect 0 "$rp70" new -o "$work/a.dat"
[ "$(wc -c <"$work/a.dat")" -eq 8631 ] || fail "data file size"
[ "$(wc -c <"$work/a.fre")" -eq 216 ] || fail "channel file size"
expect 0 "$rp70" show "$work/a.dat"
[ "$(grep -c . "$work/out")" -eq 208 ] || fail "show prints 3 header lines, the column headers and 204 rows"
grep -q '^VFO  *155\.00000  *155\.00000 ' "$work/out" || fail "VFO row of band 3"
[ "$(grep -cE '^(PA|PB|CALL|[0-9]+)$' "$work/out")" -eq 203 ] || fail "every other row blank"
expect 0 "$rp70" show --used "$work/a.dat"
[ "$(grep -c . "$work/out")" -eq 5 ] || fail "--used leaves out the blank rows"

# Another band, protected by a password: it opens only with it.
expect 0 "$rp70" new --band 48 --password s3cret -o "$work/b.dat"
expect 1 "$rp70" show "$work/b.dat"
grep -q 'password' "$work/err" || fail "a protected file names the password as the reason"
expect 1 "$rp70" show --password WRONG "$work/b.dat"
grep -q 'file password error.' "$work/err" || fail "wrong password message"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "one line for a wrong password"
expect 0 "$rp70" show --password S3CRET "$work/b.dat"
grep -q '^VFO  *435\.00000 ' "$work/out" || fail "VFO row of band 48"

# Failures are one line and leave files alone.
expect 2 "$rp70" new
expect 2 "$rp70" new --band 9 -o "$work/c.dat"
[ ! -e "$work/c.dat" ] || fail "nothing written on wrong usage"
expect 2 "$rp70" show --password "TOO-LONG-PASSWORD" "$work/a.dat"
expect 1 "$rp70" show "$work/none.dat"
head -c 5000 /dev/zero >"$work/short.dat"
expect 1 "$rp70" show "$work/short.dat"
[ "$(cat "$work/err")" = "rp70: $work/short.dat: file error." ] || fail "short file: $(cat "$work/err")"
mkdir "$work/locked.dat"
cp "$work/a.fre" "$work/locked.fre"
expect 1 "$rp70" new -o "$work/locked.dat"
cmp -s "$work/a.fre" "$work/locked.fre" || fail "a failed save replaced the channel file"

# A read-only data file and a folder that is not there refuse the save and stay as they were.
cp "$work/a.dat" "$work/ro.dat"
cp "$work/a.fre" "$work/ro.fre"
chmod 444 "$work/ro.dat"
expect 1 "$rp70" new --band 48 -o "$work/ro.dat"
cmp -s "$work/a.dat" "$work/ro.dat" || fail "a read-only data file was replaced"
expect 1 "$rp70" new -o "$work/typo/x.dat"
[ ! -e "$work/typo" ] || fail "a folder that was not there was made"

# The command line reads the desktop program's settings and never rewrites them.
mkdir -p "$RP70_HOME/language"
printf '[language]\nIsFirstRun=0\ncomPort=7\ncomDevice=/dev/ttyUSB3\n' >"$RP70_HOME/language/mysetup.ini"
cp "$RP70_HOME/language/mysetup.ini" "$work/settings.before"
expect 0 "$rp70" show "$work/a.dat"
expect 0 "$rp70" status
cmp -s "$work/settings.before" "$RP70_HOME/language/mysetup.ini" || fail "rp70 rewrote the settings"

# The radio memory a Write would send: one line per 16-byte block, W on the blocks it sends.
expect 0 "$rp70" memory "$work/a.dat"
[ "$(grep -c '^[0-9A-F]\{4\}:\( [0-9A-F][0-9A-F]\)\{16\}' "$work/out")" -eq 1024 ] || fail "memory prints 1024 blocks"
grep -q '^0010: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00$' "$work/out" || fail "radio information not sent"
grep -q '^0100: FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF  W$' "$work/out" || fail "empty channel bitmap sent"
grep -q '^02C0: 01 55 00 00 00 00 00 00 .*  W$' "$work/out" || fail "VFO block sent"
grep -q '^2000: \(00 \)\{15\}00$' "$work/out" || fail "unused channel 1 not sent"
grep -q '^0600: .*  W$' "$work/out" && fail "PTT-ID codes are never sent"

# A raw memory decodes into a data file that encodes to the same memory.
expect 0 "$rp70" memory --raw "$work/a.bin" "$work/a.dat"
[ "$(wc -c <"$work/a.bin")" -eq 16384 ] || fail "raw memory size"
[ ! -s "$work/out" ] || fail "--raw prints nothing"
expect 0 "$rp70" decode "$work/a.bin" -o "$work/d.dat"
expect 0 "$rp70" memory --raw "$work/d.bin" "$work/d.dat"
cmp -s "$work/a.bin" "$work/d.bin" || fail "decode and encode give another memory"
expect 0 "$rp70" decode --band 16 "$work/a.bin" -o "$work/f.dat"
expect 0 "$rp70" show --used "$work/f.dat"
grep -q '^79  *245\.98750 ' "$work/out" || fail "band 16 reads channels 1-80 on the fixed raster"
# CALL and VFO are always read, even from a block the new image never wrote (000.00000).
[ "$(grep -c . "$work/out")" -eq 86 ] || fail "band 16 gives 80 memory channels, CALL and VFO"
expect 1 "$rp70" decode "$work/short.dat" -o "$work/e.dat"
grep -q 'not a radio memory' "$work/err" || fail "short memory file: $(cat "$work/err")"
[ ! -e "$work/e.dat" ] || fail "nothing written from a short memory file"
head -c 32768 /dev/zero >"$work/double.bin"
expect 1 "$rp70" decode "$work/double.bin" -o "$work/e.dat"
grep -q '16384 bytes expected, 32768 found' "$work/err" || fail "wrong size named: $(cat "$work/err")"
expect 2 "$rp70" decode "$work/a.bin"

# A test data file is never written over the data file (factory test mode).
printf 'QZMV74_8132_Service_UnitCheckSet' >"$RP70_HOME/TestData.ini"
expect 0 "$rp70" new -o "$work/x.ted"
[ "$(wc -c <"$work/x.ted")" -eq 8631 ] || fail "the data file x.ted was replaced by its test data"
[ "$(wc -c <"$work/x.ted.ted")" -eq 64 ] || fail "test data file beside x.ted"
rm "$RP70_HOME/TestData.ini"

finish
