# End-to-end test helpers: a private Xvfb display, the real game started from
# the build folder, keys pressed with xdotool and the screen read back with
# ImageMagick. Sourced by each test_*.sh with the game binary and the build
# folder as arguments. Every wait is for what the screen shows, with a
# ceiling far above what a quiet machine needs: the machine may be busy.
set -eu

GAME=$(realpath "$1")
DATA=$(realpath "$2")
WORK=$(mktemp -d)
SHOT=$WORK/shot.ppm
XVFB_PID=
GAME_PID=

cleanup() {
    [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

# Fails with the message, the game's last words and the last screenshot,
# kept in the build folder.
fail() {
    echo "FAIL: $*" >&2
    [ -s "$WORK/game.out" ] && grep -v '^ALSA' "$WORK/game.out" | tail -5 >&2
    kept=$DATA/e2e-fail-$(basename "$0" .sh).png
    [ -f "$SHOT" ] && convert "$SHOT" "$kept" && echo "last screenshot: $kept" >&2
    exit 1
}

# Starts Xvfb on a free display of the given size (default 1024x768).
start_display() {
    exec 3>"$WORK/displayfd"
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    exec 3>&-
    for _ in $(seq 300); do
        [ -s "$WORK/displayfd" ] && break
        sleep 0.1
    done
    [ -s "$WORK/displayfd" ] || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$WORK/displayfd")"
}

# Starts the game from a folder holding bmp/, xm/ and wav/ (default: DATA).
start_game() {
    (cd "${1:-$DATA}" && exec "$GAME") >"$WORK/game.out" 2>&1 &
    GAME_PID=$!
}

# Waits for the game to end and sets EXIT_STATUS.
wait_exit() {
    for _ in $(seq 300); do
        kill -0 "$GAME_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$GAME_PID" 2>/dev/null && fail "the game did not exit"
    EXIT_STATUS=0
    wait "$GAME_PID" || EXIT_STATUS=$?
    GAME_PID=
}

game_output() {
    cat "$WORK/game.out"
}

shoot() {
    import -window root "$SHOT" 2>/dev/null
}

# Copies a region (WxH+X+Y) of the last screenshot, or of a picture, to a file.
crop() {
    convert "${3:-$SHOT}" -crop "$1" +repage "$2"
}

# True when the region (WxH+X+Y) of the last screenshot matches the picture.
looks_like() {
    crop "$2" "$WORK/a.ppm" && crop "$2" "$WORK/b.ppm" "$1"
    d=$(compare -metric RMSE "$WORK/a.ppm" "$WORK/b.ppm" null: 2>&1 | sed 's/.*(\(.*\))/\1/')
    awk -v d="$d" 'BEGIN { exit !(d < 0.03) }'
}

# Counts the pixels of a region (WxH+X+Y) of the last screenshot that are
# exactly the given colour ("r,g,b").
count_colour() {
    hex=$(IFS=, && printf '#%02X%02X%02X ' $2)
    convert "$SHOT" -crop "$1" +repage -depth 8 -format %c histogram:info:- |
        awk -v hex="$hex" 'index($0, hex) { n += $1 } END { print n + 0 }'
}

# Holds a key down (- for none) until a shell condition holds on a fresh
# screenshot, then lets it go; fails with the message after the given
# seconds. A key that the game may have missed (a busy machine can bring it
# down and up between two ticks), or takes only as a fresh press, is let go
# and pressed again every few seconds.
press_until() {
    k=$1
    end=$(($(date +%s) + $2))
    message=$3
    shift 3
    until shoot && "$@"; do
        [ "$(date +%s)" -ge "$end" ] && fail "$message (after ${SECONDS}s of the test)"
        [ "$k" = - ] && continue
        xdotool keydown "$k"
        again=$(($(date +%s) + 3))
        until { shoot && "$@"; } || [ "$(date +%s)" -ge "$again" ]; do :; done
        xdotool keyup "$k"
    done
}

wait_for() {
    press_until - "$@"
}

# Waits for the game's window and puts the pointer over it: with no window
# manager the keyboard follows the pointer.
focus_game() {
    for _ in $(seq 300); do
        xdotool search --name "^vesperpark$" >/dev/null 2>&1 && break
        kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before its window showed"
        sleep 0.1
    done
    xdotool search --name "^vesperpark$" >/dev/null 2>&1 || fail "no game window"
    xdotool mousemove 512 384
}

# The conversation or thought box: its black rectangle, top row 91 or 552,
# with the area picture still showing just left of it (a fade or the black
# ending screen is not a box).
box_shown() {
    [ "$(count_colour 400x130+281+"$1" 0,0,0)" -gt 20000 ] &&
        [ "$(count_colour 8x130+270+"$1" 0,0,0)" -lt 1000 ]
}

# From the title picture, Space once the title has been up for 60 ticks
# starts a game, which opens inside the sergeant's conversation.
start_new_game() {
    wait_for 60 "the title picture never showed" looks_like "$DATA/bmp/titlescreen.bmp" 1024x768+0+0
    press_until space 60 "no conversation box after Space on the title" box_shown 552
}

# Esc ends the game with exit status 0.
quit_cleanly() {
    xdotool keydown Escape
    wait_exit
    xdotool keyup Escape
    [ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS after Esc"
    echo "PASS"
}

# True when the box at the given top row shows another page than the one
# kept in box.ppm, or has closed.
paged() {
    crop 511x130+270+"$1" "$WORK/now.ppm" && ! cmp -s "$WORK/box.ppm" "$WORK/now.ppm"
}

# Pages the box at the given top row away, one fresh Space a page.
page_through() {
    while shoot && box_shown "$1"; do
        crop 511x130+270+"$1" "$WORK/box.ppm"
        press_until space 60 "the box at row $1 did not page on Space" paged "$1"
    done
}

# The player's cell, column PC and row PR, where his sprite (the sheet's
# first, magenta clear) is drawn at x 44 + 120c, y 120r.
PC=2
PR=1
convert "$DATA/bmp/sprites.bmp" -crop 120x120+0+0 +repage -transparent "rgb(255,0,255)" "$WORK/player.png"

# True when the last screenshot shows the player standing on cell (c, r).
at_cell() {
    differ=$(convert "$SHOT" -crop 120x120+$((44 + 120 * $1))+$((120 * $2)) +repage \
        \( +clone "$WORK/player.png" -composite \) -compose difference -composite \
        -colorspace gray -threshold 0 -format "%[fx:round(mean*w*h)]" info:)
    [ "$differ" -lt 30 ]
}

# The player's cell alone, grabbed quickly from the screen into a file.
grab_cell() {
    import -window root -crop 120x120+$((44 + 120 * PC))+$((120 * PR)) +repage "$1" 2>/dev/null
}

# One step in a direction (Up, Down, Left, Right) to the cell (c, r): the
# neighbour or, through an exit, a cell of the next area. The key is held
# only until the player's cell changes, since a key held on arrival walks on.
step() {
    end=$(($(date +%s) + 60))
    until shoot && at_cell "$2" "$3"; do
        [ "$(date +%s)" -ge "$end" ] && fail "$1 from ($PC, $PR): the player never stood on ($2, $3)"
        at_cell "$PC" "$PR" || continue
        grab_cell "$WORK/cell.ppm"
        xdotool keydown "$1"
        for _ in $(seq 300); do
            grab_cell "$WORK/now.ppm" && ! cmp -s "$WORK/cell.ppm" "$WORK/now.ppm" && break
        done
        xdotool keyup "$1"
    done
    PC=$2
    PR=$3
}

# Steps to the neighbouring cell in each direction given.
walk() {
    for d in "$@"; do
        case $d in
        Up) step Up "$PC" $((PR - 1)) ;;
        Down) step Down "$PC" $((PR + 1)) ;;
        Left) step Left $((PC - 1)) "$PR" ;;
        Right) step Right $((PC + 1)) "$PR" ;;
        esac
    done
}

# Walks into the person that way, which opens the box at the given top row.
meet() {
    press_until "$1" 60 "$1 from ($PC, $PR): no box at row $2" box_shown "$2"
}

# Waits for the game to end, as wait_exit does, and sets EXIT_MS to the
# milliseconds from the moment given (date +%s%N) to its end.
wait_exit_from() {
    for _ in $(seq 1000); do
        kill -0 "$GAME_PID" 2>/dev/null || break
        sleep 0.01
    done
    EXIT_MS=$((($(date +%s%N) - $1) / 1000000))
    wait_exit
}

# What the game wrote but the sound system's complaints about a missing device.
game_said() {
    grep -v '^ALSA\|^$' "$WORK/game.out" || true
}
