# End-to-end test helpers: a private Xvfb display, the real game started from
# the build folder, keys pressed with xdotool and the screen read back with
# ImageMagick. Sourced by each test_*.sh with the game binary and the build
# folder as arguments.
set -eu

GAME=$(realpath "$1")
DATA=$(realpath "$2")
WORK=$(mktemp -d)
SHOT=$WORK/shot.png
XVFB_PID=
GAME_PID=

cleanup() {
    [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -s "$WORK/game.out" ] && grep -v '^ALSA' "$WORK/game.out" | tail -5 >&2
    [ -f "$SHOT" ] && cp "$SHOT" "/tmp/e2e-fail-$(basename "$0" .sh).png" &&
        echo "last screenshot: /tmp/e2e-fail-$(basename "$0" .sh).png" >&2
    exit 1
}

# Starts Xvfb on a free display of the given size (default 1024x768).
start_display() {
    size=${1:-1024x768}
    exec 3>"$WORK/displayfd"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    exec 3>&-
    for _ in $(seq 100); do
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
    for _ in $(seq 100); do
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
    convert "$SHOT" -crop "$2" +repage "$WORK/a.png"
    convert "$1" -crop "$2" +repage "$WORK/b.png"
    compare -metric RMSE "$WORK/a.png" "$WORK/b.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/'
}

# True when the region (WxH+X+Y) of the last screenshot matches the picture.
looks_like() {
    d=$(distance_to_picture "$1" "$2")
    awk -v d="$d" 'BEGIN { exit !(d < 0.03) }'
}

# Counts the pixels of a region (WxH+X+Y) of the last screenshot that are
# exactly the given colour ("r,g,b").
count_colour() {
    size=${1%%+*}
    convert "$SHOT" -crop "$1" +repage "$WORK/a.png"
    convert -size "$size" "xc:rgb($2)" "$WORK/b.png"
    differ=$(compare -metric AE "$WORK/a.png" "$WORK/b.png" null: 2>&1 || true)
    echo $((${size%x*} * ${size#*x} - ${differ%% *}))
}

# Waits (up to the given seconds) for a shell condition to hold on a fresh
# screenshot; fails with the message otherwise.
wait_for() {
    seconds=$1
    shift
    message=$1
    shift
    end=$(($(date +%s) + seconds))
    while :; do
        shoot
        if "$@"; then return 0; fi
        [ "$(date +%s)" -ge "$end" ] && fail "$message"
        sleep 0.2
    done
}

# Presses a key for a few ticks and lets it go.
tap() {
    xdotool keydown "$1"
    sleep 0.12
    xdotool keyup "$1"
    sleep 0.12
}

# Walks one cell per direction given (Up, Down, Left, Right): a short tap
# starts the step, and the player goes on to the next cell by himself.
walk() {
    for d in "$@"; do
        tap "$d"
        sleep 0.45
    done
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

# From the title picture, Space after the title's first 60 ticks starts a
# game, which opens inside the sergeant's conversation.
start_new_game() {
    wait_for 10 "the title picture never showed" looks_like "$DATA/bmp/titlescreen.bmp" 1024x768+0+0
    sleep 1.1
    tap space
    wait_for 5 "no conversation box after Space" box_shown 552
}

# Esc ends the game with exit status 0.
quit_cleanly() {
    tap Escape
    wait_exit
    [ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS after Esc"
    echo "PASS"
}

# Presses Space until the box at the given top row has gone (at most n times).
page_through() {
    top=$1
    n=$2
    for _ in $(seq "$n"); do
        shoot
        box_shown "$top" || return 0
        tap space
    done
    shoot
    box_shown "$top" && fail "the box at row $top did not close after $n presses"
    return 0
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
