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
for page in vantorel vantorel-calc; do
    [ -f "$work/prefix/share/man/man1/$page.1.gz" ] || fail "no man page of $page"
done
[ "$(cat "$folder/vantorel.installed" 2>/dev/null)" = "$folder" ] || fail "the install did not mark its folder"
completion=$work/prefix/share/bash-completion/completions/vantorel-calc
[ -f "$completion" ] || fail "no bash completion"
# the installed script completes the subcommands
out=$(bash -c 'source "$1"; COMP_WORDS=(vantorel-calc mass); COMP_CWORD=1; _vantorel_calc; echo "${COMPREPLY[*]}"' _ "$completion")
[ "$out" = "mass20 mass15" ] || fail "the installed completion gave '$out' for 'mass'"

export PATH=$work/prefix/bin:$PATH
# the user's folders of an installed copy, empty
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
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
# folder, saves its settings and quits; any message box it would show goes to
# standard error.
start() {
    VANTOREL_QUIT_AFTER_START=1 QT_QPA_PLATFORM=offscreen timeout 30 "$@" 2>&1
}
listing() { (cd "$1" && find . | sort); }
before=$(listing "$folder")
out=$(start vantorel)
status=$?
echo "\$ vantorel (offscreen) -> status $status${out:+, said: $out}"
[ $status -eq 0 ] && [ -z "$out" ] || fail "vantorel did not start cleanly from the PATH"
# an installed copy keeps its settings per user and never writes into its folder
[ -f "$XDG_CONFIG_HOME/vantorel/settings.ini" ] || fail "no settings in \$XDG_CONFIG_HOME/vantorel"
[ "$(listing "$folder")" = "$before" ] || fail "the installed program folder changed: $(listing "$folder")"

# The user's own table comes before the shipped one; --table before both.
expect "$folder/tablegost3900.txt" vantorel-calc --which-table
mkdir -p "$XDG_DATA_HOME/vantorel"
sed '/^ *15,5 /s/\*0850 847,0/*0850 900,0/' "$folder/tablegost3900.txt" >"$XDG_DATA_HOME/vantorel/tablegost3900.txt"
expect "$XDG_DATA_HOME/vantorel/tablegost3900.txt" vantorel-calc --which-table
expect 'temperature\t15,5\ndensity20\t900,0' vantorel-calc --decimal , reduce20 850 15,3
expect "$folder/tablegost3900.txt" vantorel-calc --table "$folder/tablegost3900.txt" --which-table

# A copy of the folder is portable: the mark it carries names the installed
# folder. It reads and writes its own files; without its table it says so.
cp -r "$folder" "$work/portable"
expect "$work/portable/tablegost3900.txt" "$work/portable/vantorel-calc" --which-table
out=$(start "$work/portable/vantorel")
[ -f "$work/portable/settings.ini" ] || fail "a portable copy did not keep its settings beside the program"
rm "$work/portable/tablegost3900.txt"
out=$(start "$work/portable/vantorel")
echo "\$ portable vantorel without its table -> $out"
[[ $out == *"tablegost3900.txt не найден"* ]] || fail "a copy without its table did not report it"

[ $failures -eq 0 ] && echo "installed programs: all checks passed"
exit $((failures > 0))
