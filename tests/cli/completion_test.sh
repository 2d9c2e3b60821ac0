#!/bin/bash
# The bash completion of aquendorctl offers what the command line takes at
# each place: commands, their words, the unit's commands by its kind, the
# values of options. bash-completion's own helpers are stood in for.
_init_completion() {
    words=("${COMP_WORDS[@]}")
    cword=$COMP_CWORD
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD - 1]}
}
_filedir() { COMPREPLY=(FILES); }
complete() { :; }
source "$1" || exit 1

fail=0
check() {
    read -r -a COMP_WORDS <<<"$1"
    [[ $1 == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _aquendorctl
    local got="${COMPREPLY[*]}"
    if [[ $got != "$2" ]]; then
        echo "\"$1\": offered \"$got\", expected \"$2\""
        fail=1
    fi
}
check "aquendorctl " "status params history command value logger watch round help"
check "aquendorctl --port COM3 --kind osmosis command " "acknowledge start-stop flush clock reset"
check "aquendorctl --kind=softener command re" "regeneration reserve-filter reset"
check "aquendorctl --serial 123456 history " "status error"
check "aquendorctl logger " "read clear"
check "aquendorctl params " "export write set"
check "aquendorctl params export " "FILES"
check "aquendorctl --baud " "19200 9600"
check "aquendorctl --kind m" "measuring"
check "aquendorctl watch --c" "--csv --count"
check "aquendorctl status --qu" "--quiet"
exit $fail
