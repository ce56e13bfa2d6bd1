# End-to-end test helpers: a private Xvfb display, the real game started from
# the build folder, keys pressed with xdotool and the screen read back with
# ImageMagick. Sourced by each test_*.sh with the game binary and the build
# folder as arguments. Every wait is for something the screen shows, with a
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

# Fails the test with the message, the game's last words and the last
# screenshot, kept in the build folder.
fail() {
    echo "FAIL: $*" >&2
    [ -s "$WORK/game.out" ] && grep -v '^ALSA' "$WORK/game.out" | tail -5 >&2
    kept=$DATA/e2e-fail-$(basename "$0" .sh).png
    [ -f "$SHOT" ] && convert "$SHOT" "$kept" && echo "last screenshot: $kept" >&2
    exit 1
}

# Starts Xvfb on a free display of the given size (default 1024x768).
start_display() {
    size=${1:-1024x768}
    exec 3>"$WORK/displayfd"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
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
    dir=${1:-$DATA}
    (cd "$dir" && exec "$GAME") >"$WORK/game.out" 2>&1 &
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

# How far a region (WxH+X+Y) of the last screenshot is from the same region
# of a picture file: 0 is identical, 1 is as far apart as can be.
distance_to_picture() {
    convert "$SHOT" -crop "$2" +repage "$WORK/a.ppm"
    convert "$1" -crop "$2" +repage "$WORK/b.ppm"
    compare -metric RMSE "$WORK/a.ppm" "$WORK/b.ppm" null: 2>&1 | sed 's/.*(\(.*\))/\1/'
}

# True when the region (WxH+X+Y) of the last screenshot matches the picture.
looks_like() {
    d=$(distance_to_picture "$1" "$2")
    awk -v d="$d" 'BEGIN { exit !(d < 0.03) }'
}

# Counts the pixels of a region (WxH+X+Y) of the last screenshot that are
# exactly the given colour ("r,g,b").
count_colour() {
    hex=$(IFS=, && printf '#%02X%02X%02X ' $2)
    convert "$SHOT" -crop "$1" +repage -depth 8 -format %c histogram:info:- |
        awk -v hex="$hex" 'index($0, hex) { n += $1 } END { print n + 0 }'
}

# Waits (up to the given seconds) for a shell condition to hold on a fresh
# screenshot; fails with the message otherwise.
wait_for() {
    seconds=$1
    message=$2
    shift 2
    end=$(($(date +%s) + seconds))
    while :; do
        shoot
        if "$@"; then return 0; fi
        [ "$(date +%s)" -ge "$end" ] && fail "$message (waited ${seconds}s)"
        sleep 0.1
    done
}

# Holds a key down until a shell condition holds, then lets it go. A key
# that the game may have missed (a busy machine can bring it down and up
# between two ticks), or that it takes only as a fresh press, is let go and
# pressed again every few seconds; after the given seconds in all the test
# fails with the message.
press_until() {
    k=$1
    seconds=$2
    message=$3
    shift 3
    end=$(($(date +%s) + seconds))
    until "$@"; do
        [ "$(date +%s)" -ge "$end" ] && fail "$message (tried ${seconds}s)"
        xdotool keydown "$k"
        again=$(($(date +%s) + 3))
        until "$@" || [ "$(date +%s)" -ge "$again" ]; do :; done
        xdotool keyup "$k"
        sleep 0.1
    done
}

# A condition on a fresh screenshot.
shot() {
    shoot && "$@"
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

# Grabs a region (WxH+X+Y) of the screen alone into a file.
grab() {
    import -window root -crop "$1" +repage "$2" 2>/dev/null
}

# The conversation or thought box: its black rectangle, top row 91 or 552,
# with the area picture still showing just left of it (a fade or the black
# ending screen is not a box).
box_shown() {
    grab 511x130+270+"$1" "$WORK/box.ppm"
    set -- $(convert "$WORK/box.ppm" \( -clone 0 -crop 400x130+11+0 \) \( -clone 0 -crop 8x130+0+0 \) \
        -delete 0 -fill white +opaque black -format "%[fx:round(mean*w*h)] " info:)
    [ "$1" -lt 32000 ] && [ "$2" -gt 40 ]
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

# True when the box at the given top row has left what box_shown grabbed.
paged() {
    grab 511x130+270+"$1" "$WORK/now.ppm"
    ! cmp -s "$WORK/box.ppm" "$WORK/now.ppm"
}

# Pages the box at the given top row away, one fresh Space a page.
page_through() {
    end=$(($(date +%s) + 300))
    while box_shown "$1"; do
        [ "$(date +%s)" -ge "$end" ] && fail "the box at row $1 did not close"
        press_until space 60 "the box at row $1 did not page on Space" paged "$1"
    done
}

# The player's cell: column PC, row PR of the area shown. The player's
# sprite is the first of the sheet, magenta clear, drawn at x 44 + 120c,
# y 120r.
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

# True when the player's cell no longer looks as grab_cell kept it.
left_cell() {
    import -window root -crop 120x120+$((44 + 120 * PC))+$((120 * PR)) +repage "$WORK/now.ppm" 2>/dev/null
    ! cmp -s "$WORK/cell.ppm" "$WORK/now.ppm"
}

# One step in a direction (Up, Down, Left, Right) to the cell (c, r), the
# neighbour or, through an exit, a cell of the next area: the key is held
# only until the step shows, since a key held on arrival walks on.
step() {
    end=$(($(date +%s) + 60))
    while ! { shoot && at_cell "$2" "$3"; }; do
        [ "$(date +%s)" -ge "$end" ] && fail "$1 from ($PC, $PR): the player never stood on ($2, $3)"
        if at_cell "$PC" "$PR"; then
            import -window root -crop 120x120+$((44 + 120 * PC))+$((120 * PR)) +repage "$WORK/cell.ppm" 2>/dev/null
            xdotool keydown "$1"
            for _ in $(seq 300); do left_cell && break; done
            xdotool keyup "$1"
        fi
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
