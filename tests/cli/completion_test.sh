#!/usr/bin/env bash
# completion_test.sh VANTOREL_CALC: the bash completion the program writes,
# asked as bash asks it; says what it got where it differs.
set -u
source <("$1" --completion bash) || exit 1
failures=0
# expect "WANTED" WORD...: the completions of the last word
expect() {
    local want=$1
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _vantorel_calc
    if [ "${COMPREPLY[*]}" != "$want" ]; then
        echo "FAIL: $* -> '${COMPREPLY[*]}', wanted '$want'"
        failures=$((failures + 1))
    fi
}
expect "reduce20 reduce15" vantorel-calc red
expect "api20 api20-density api15 api15-density" vantorel-calc --fahrenheit api
expect "volume20 volume15" vantorel-calc --group crude vol
expect "--volume-unit" vantorel-calc --vol
expect "crude products lube" vantorel-calc --group ""
expect "bbl" vantorel-calc --volume-unit=b
expect "json" vantorel-calc --format j
expect "temperature volume pressure" vantorel-calc --lang ru convert ""
expect "m3 gal bbl" vantorel-calc convert volume 1 ""
expect "psi" vantorel-calc convert pressure 1 MPa p
expect "" vantorel-calc reduce20 850 ""
[ "$(complete -p vantorel-calc)" = "complete -F _vantorel_calc vantorel-calc" ] || {
    echo "FAIL: not registered for vantorel-calc"
    failures=$((failures + 1))
}
exit $((failures > 0))
