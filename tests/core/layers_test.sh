#!/bin/sh
# The core's folders, bottom to top: texts, model, files, memory, link, then channels, editors
# and factory side by side, then print (the report shows what the channel dialog and the
# editors show), then shell. A folder includes only folders below it; folders side by side do
# not include each other. Prints every include that breaks this.
core="$1"
status=0

# check FOLDER FORBIDDEN...: FOLDER must include none of FORBIDDEN.
check() {
    folder="$1"
    shift
    [ -d "$core/$folder" ] || return 0
    pattern=$(echo "$@" | tr ' ' '|')
    if grep -rnE "^[[:space:]]*#[[:space:]]*include[[:space:]]*[\"<]($pattern)/" "$core/$folder"; then
        status=1
    fi
}

check texts model files memory link channels editors factory print shell
check model files memory link channels editors factory print shell
check files memory link channels editors factory print shell
check memory link channels editors factory print shell
check link channels editors factory print shell
check channels editors factory print shell
check editors channels factory print shell
check factory channels editors print shell
check print shell

# A path that climbs out of its folder would hide where an include points.
if grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<][^">]*\.\./' "$core"; then
    status=1
fi
exit $status
