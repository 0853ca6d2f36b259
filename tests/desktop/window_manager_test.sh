#!/usr/bin/env bash
# window_manager_test.sh BIN_DIR: the window program from BIN_DIR on its own
# Xvfb screen (1280 x 720) under openbox, driven with xdotool as a user would.
#  - the default place keeps the title bar on the screen;
#  - a stored place (frame corner) comes back exactly, over three restarts;
#  - the editor comes back with its stored outer corner and size;
#  - closing the main window while the About box is up leaves both up, and
#    no sequence leaves the program running without its main window.
# Exit 77 (skipped) where a tool is missing.
set -u
bin=$1
for tool in Xvfb openbox xdotool xwininfo xprop; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (build.sh installs xvfb, openbox, xdotool, x11-utils)"
        exit 77
    fi
done

work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# a display of its own, whatever else runs
Xvfb -displayfd 3 -screen 0 1280x720x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=:$(head -n1 "$work/display")
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 300); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
    { echo "FAIL: openbox did not start"; cat "$work/openbox.log"; exit 1; }

# a program folder of its own, settings beside the program
prog=$work/prog
mkdir -p "$prog"
cp "$bin/vantorel" "$bin/tablegost3900.txt" "$prog/"
cp -r "$bin/Help" "$prog/"
export HOME=$work XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=xcb
# the program stays up until it is closed, whoever runs this
unset VANTOREL_QUIT_AFTER_START
ini=$prog/settings.ini

# window NAME_REGEX: the id of the program's visible window of that title,
# the newest when more match
window() {
    local id
    for _ in $(seq 100); do
        for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | sort -n -r); do
            if [[ $(xdotool getwindowname "$id" 2>/dev/null) =~ $1 ]]; then
                echo "$id"
                return
            fi
        done
        sleep 0.2
    done
}
# shown ID: whether the window is on the screen
# (xwininfo without an id would wait for a click)
shown() { [ -n "$1" ] && xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
# frame ID: "left top width height" of the window's outer frame, once the
# window manager has framed it
frame() {
    [ -n "$1" ] || { echo "-1 -1 0 0"; return; }
    local extents=""
    for _ in $(seq 50); do
        extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.* = //p' | tr -d ' ')
        [ -n "$extents" ] && break
        sleep 0.1
    done
    sleep 0.3
    local info x y w h
    info=$(xwininfo -id "$1")
    x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    w=$(sed -n 's/.*Width: *//p' <<<"$info")
    h=$(sed -n 's/.*Height: *//p' <<<"$info")
    IFS=, read -r l r t b <<<"${extents:-0,0,0,0}"
    echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}
start() {
    "$prog/vantorel" >>"$work/program.log" 2>&1 &
    pid=$!
    pids+=($pid)
    main=$(window '^Vantorel$')
    [ -n "$main" ] || fail "no main window"
}
# keys WINDOW KEY...: the keys one after the other into the window, as typed
keys() {
    local id=$1
    shift
    [ -n "$id" ] || return
    # --sync waits for the activation; a loaded machine gets ten seconds
    timeout 10 xdotool windowactivate --sync "$id" 2>/dev/null
    sleep 0.3
    for k in "$@"; do
        xdotool key --clearmodifiers "$k"
        sleep 0.3
    done
}
# close WINDOW: the window manager's close (Alt+F4 in openbox)
close() {
    keys "$1" alt+F4
}
ended() {
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
    return 1
}
value() { sed -n "/^\[$1\]/,/^\[/s/^$2=//p" "$ini" | head -n1; }

# 1. first start: the title bar on the screen
rm -f "$ini"
start
read -r left top width _ <<<"$(frame "$main")"
echo "default place: frame at $left,$top, $width wide"
[ "$top" -ge 0 ] && [ "$left" -ge 0 ] && [ $((left + width)) -le 1280 ] && [ $((top + 24)) -le 720 ] ||
    fail "default place $left,$top puts the title bar off the screen"
close "$main"
ended || fail "the program did not end when its window was closed"

# 2. a stored place comes back exactly, over three restarts; so does the editor
printf '[Gost]\nTop=300\nLeft=300\nlanguage_tag=2\n[Form2]\nTop=100\nLeft=120\nHeight=400\nWidth=600\n' >"$ini"
for run in 1 2 3; do
    start
    read -r left top _ <<<"$(frame "$main")"
    echo "run $run: main frame at $left,$top"
    [ "$left,$top" = "300,300" ] || fail "run $run: main window at $left,$top, stored 300,300"
    if [ "$run" = 2 ]; then
        keys "$main" alt+f e
        editor=$(window '^Edit of table')
        [ -n "$editor" ] || fail "the editor did not open from the keyboard"
        read -r eleft etop ewidth eheight <<<"$(frame "$editor")"
        echo "run $run: editor frame at $eleft,$etop, $ewidth x $eheight"
        [ "$eleft,$etop,$ewidth,$eheight" = "120,100,600,400" ] ||
            fail "editor at $eleft,$etop, $ewidth x $eheight; stored 120,100, 600 x 400"
        keys "$editor" ctrl+w
    fi
    close "$main"
    ended || fail "run $run: the program did not end"
    echo "run $run: saved $(value Gost Left),$(value Gost Top); editor $(value Form2 Left),$(value Form2 Top), $(value Form2 Width) x $(value Form2 Height)"
    [ "$(value Gost Left),$(value Gost Top)" = "300,300" ] || fail "run $run saved another place"
    [ "$(value Form2 Left),$(value Form2 Top),$(value Form2 Width),$(value Form2 Height)" = "120,100,600,400" ] ||
        fail "run $run saved another editor place"
done

# 3. the About box up: the main window's close does nothing, and nothing is
# left running without the main window
start
keys "$main" alt+h a
about=$(window '^About\.\.\.$')
[ -n "$about" ] || fail "no About box"
close "$main"
sleep 1
if ! kill -0 "$pid" 2>/dev/null; then
    fail "closing the main window under the About box ended the program"
elif ! shown "$main"; then
    fail "the main window closed under the About box; the program runs without it"
else
    echo "About box up: the main window's close did nothing, as it should"
fi
keys "$about" Escape
for _ in $(seq 50); do shown "$about" || break; sleep 0.1; done
shown "$about" && fail "Escape did not close the About box"
close "$main"
ended || fail "after the About box the program did not end with its main window"

[ $failures -eq 0 ] && echo "window manager: all checks passed"
exit $((failures > 0))
