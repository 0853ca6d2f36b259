#!/usr/bin/env bash
# install_test.sh CMAKE SOURCE_DIR BUILD_DIR: installs the build into a scratch
# prefix and runs the installed programs from the PATH, in another folder.
set -u
cmake=$1
source=$2
build=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if ! "$cmake" --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi
folder=$work/prefix/lib/vantorel
# both programs and every file of data/, help pages in their subfolders too
files=$(cd "$source/data" && find . -type f ! -name CMakeLists.txt)
for f in vantorel vantorel-calc $files; do
    [ -f "$folder/$f" ] || fail "$f is not in the program folder"
done
[ -f "$work/prefix/share/man/man1/vantorel-calc.1.gz" ] || fail "no man page"
completion=$work/prefix/share/bash-completion/completions/vantorel-calc
[ -f "$completion" ] || fail "no bash completion"
# the installed script completes the subcommands
out=$(bash -c 'source "$1"; COMP_WORDS=(vantorel-calc mass); COMP_CWORD=1; _vantorel_calc; echo "${COMPREPLY[*]}"' _ "$completion")
[ "$out" = "mass20 mass15" ] || fail "the installed completion gave '$out' for 'mass'"

export PATH=$work/prefix/bin:$PATH
mkdir "$work/elsewhere" && cd "$work/elsewhere" || exit 1
[ "$(command -v vantorel-calc)" = "$work/prefix/bin/vantorel-calc" ] || fail "vantorel-calc is not on the PATH"

# expect "COMMAND..." "OUTPUT": the command's standard output, status 0
expect() {
    local want=$1
    shift
    local got
    got=$("$@" 2>&1)
    local status=$?
    echo "\$ $* -> $(echo "$got" | tr '\t\n' '= ')"
    [ $status -eq 0 ] && [ "$got" = "$(printf "$want")" ] || fail "$*: status $status, wanted \"$want\""
}
expect 'temperature\t15,5\ndensity20\t847,0' vantorel-calc --decimal , reduce20 850 15,3
expect 'density15\t860,7' vantorel-calc --decimal , --no-glass --group crude reduce15 850 30

# The window program, offscreen: it starts, reads its table from its own
# folder and quits; any message box it would show goes to standard error.
start() {
    VANTOREL_QUIT_AFTER_START=1 QT_QPA_PLATFORM=offscreen HOME="$work" XDG_CONFIG_HOME="$work/config" \
        timeout 30 "$@" 2>&1
}
out=$(start vantorel)
status=$?
echo "\$ vantorel (offscreen) -> status $status${out:+, said: $out}"
[ $status -eq 0 ] && [ -z "$out" ] || fail "vantorel did not start cleanly from the PATH"

# A portable copy of the folder reads its own files: without its table it says so.
cp -r "$folder" "$work/portable"
rm "$work/portable/tablegost3900.txt"
out=$(start "$work/portable/vantorel")
echo "\$ portable vantorel without its table -> $out"
[[ $out == *"tablegost3900.txt не найден"* ]] || fail "a copy without its table did not report it"

[ $failures -eq 0 ] && echo "installed programs: all checks passed"
exit $((failures > 0))
