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

trap 'kill $GAME_PID $XVFB_PID 2>/dev/null || true; rm -rf "$WORK"' EXIT

# Fails with the message, the game's last words and the last screenshot,
# kept in the build folder.
fail() {
    echo "FAIL: $*" >&2
    [ -s "$WORK/game.out" ] && grep -v '^ALSA' "$WORK/game.out" | tail -5 >&2
    kept=$DATA/e2e-fail-$(basename "$0" .sh).png
    [ -f "$SHOT" ] && convert "$SHOT" "$kept" && echo "last screenshot: $kept" >&2
    exit 1
}

# Runs the command, its output thrown away, until it holds; fails with the
# message after the given seconds.
await() {
    local end=$((SECONDS + $1)) message=$2
    shift 2
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$end" ] || fail "$message (after ${SECONDS}s of the test)"
        sleep 0.01
    done
}

# Starts Xvfb, in place of the last one, on a free display of the given size
# (default 1024x768).
start_display() {
    [ -z "$XVFB_PID" ] || kill "$XVFB_PID" 2>/dev/null || true
    exec 3>"$WORK/displayfd"
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    exec 3>&-
    await 30 "Xvfb did not start" test -s "$WORK/displayfd"
    export DISPLAY=":$(head -n1 "$WORK/displayfd")"
}

# Starts the game from a folder holding bmp/, xm/ and wav/ (default: DATA).
start_game() {
    (cd "${1:-$DATA}" && exec "$GAME") >"$WORK/game.out" 2>&1 &
    GAME_PID=$!
}

# Waits for the game to end; sets EXIT_STATUS, and EXIT_MS to the
# milliseconds from the call to its end.
wait_exit() {
    local from=$(date +%s%N)
    await 30 "the game did not exit" test ! -d "/proc/$GAME_PID"
    EXIT_MS=$((($(date +%s%N) - from) / 1000000))
    EXIT_STATUS=0
    wait "$GAME_PID" || EXIT_STATUS=$?
    GAME_PID=
}

# Waits for the game to end within the milliseconds given (default 1000),
# with the status given and on stderr what matches the pattern ("" for nothing).
ended() {
    wait_exit
    what="$1: status $EXIT_STATUS after $EXIT_MS ms"
    [ "$EXIT_STATUS" = "$2" ] && [ "$EXIT_MS" -lt "${4:-1000}" ] || fail "$what"
    [[ "$(game_said)" == $3 ]] || fail "$what, on stderr: $(game_said)"
}

# What the game wrote but the sound system's complaints about a missing device.
game_said() {
    grep -v '^ALSA\|^$' "$WORK/game.out" || true
}

shoot() {
    import -window root "$SHOT" 2>/dev/null
}

# True when the region (WxH+X+Y) of the last screenshot matches the picture.
looks_like() {
    d=$(convert "$SHOT" "$1" -crop "$2" +repage -metric RMSE -compare -format "%[distortion]" info:)
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
# screenshot; fails with the message after the given seconds. A key the game
# may have missed (a busy machine can bring it down and up between two
# ticks), or takes only as a fresh press, is pressed again every 3 s.
press_until() {
    local k=$1 end=$((SECONDS + $2)) message=$3 again
    shift 3
    until shoot && "$@"; do
        [ "$SECONDS" -lt "$end" ] || fail "$message (after ${SECONDS}s of the test)"
        [ "$k" = - ] && continue
        xdotool keydown "$k"
        again=$((SECONDS + 3))
        until { shoot && "$@"; } || [ "$SECONDS" -ge "$again" ]; do :; done
        xdotool keyup "$k"
    done
}

wait_for() {
    press_until - "$@"
}

# Waits for the game's window and puts the pointer over it: with no window
# manager the keyboard follows the pointer.
focus_game() {
    await 30 "no game window" xdotool search --name "^vesperpark$"
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
