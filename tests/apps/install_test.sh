#!/bin/sh
# The installed programs, run from a temporary prefix as a user runs them, and moved elsewhere as
# a whole (as dpkg -x does): they find their language files beside them, not in the build tree.
# Usage: install_test.sh PATH/TO/cmake BUILD_DIR
set -u
cmake=$1
build=$2
work=$(mktemp -d)
export RP70_HOME="$work/home"
export QT_QPA_PLATFORM=offscreen
. "$(dirname "$0")/checks.sh"

expect 0 "$cmake" --install "$build" --prefix "$work/prefix"
for file in bin/rp70 bin/rp70cps bin/rp70-sim share/rp70cps/lang/english.ini \
    share/rp70cps/lang/chinese.ini share/applications/rp70cps.desktop \
    share/metainfo/io.github.rp70cps.rp70cps.metainfo.xml \
    share/icons/hicolor/scalable/apps/rp70cps.svg share/icons/hicolor/48x48/apps/rp70cps.png; do
    [ -s "$work/prefix/$file" ] || fail "$file is not installed"
done
if command -v help2man >/dev/null; then
    for page in rp70 rp70cps rp70-sim; do
        gzip -dc "$work/prefix/share/man/man1/$page.1.gz" >"$work/$page.1" || fail "$page.1.gz"
        if command -v groff >/dev/null; then
            LC_ALL=C.UTF-8 groff -man -ww -z "$work/$page.1" 2>"$work/groff" &&
                [ ! -s "$work/groff" ] || fail "$page.1: $(cat "$work/groff")"
        fi
    done
fi
if command -v desktop-file-validate >/dev/null; then
    expect 0 desktop-file-validate "$work/prefix/share/applications/rp70cps.desktop"
fi
if command -v appstreamcli >/dev/null; then
    expect 0 appstreamcli validate --no-net --pedantic \
        "$work/prefix/share/metainfo/io.github.rp70cps.rp70cps.metainfo.xml"
fi

# A text changed in the installed language file shows: the programs read that one.
sed -i 's/^1101=.*/1101=Installed RX/' "$work/prefix/share/rp70cps/lang/english.ini"
mv "$work/prefix" "$work/moved"
expect 0 "$work/moved/bin/rp70" --version
grep -qx "rp70 [0-9.]*" "$work/out" || fail "rp70 --version: $(cat "$work/out")"
expect 0 "$work/moved/bin/rp70cps" --version
expect 0 "$work/moved/bin/rp70" new -o "$work/a.dat"
expect 0 "$work/moved/bin/rp70" show --used "$work/a.dat"
grep -q '^CH  *Installed RX ' "$work/out" || fail "the installed language file is not used"
finish
