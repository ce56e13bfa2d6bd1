// The game screen's keys: Space pages the box shown, T starts a thought, and
// the arrow keys walk the player from cell to cell, 4 px a tick.
#include "engine/gamekeys.h"

#include <allegro.h>

#include "engine/keys.h"
#include "engine/talk.h"
#include "engine/world.h"

static int pdir = 0;  // the last step's way, never reset: steers between cells

enum { UP, DOWN, LEFT, RIGHT, NODIR };

static const int dirkey[4] = {KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT};
static const int dx[4] = {0, 0, -1, 1};
static const int dy[4] = {-1, 1, 0, 0};
const int STEP = 4;

// A fresh Space press pages the box once.
static void page(void (*progress)())
{
    if (freshspace(spacepressed)) {
        progress();
        holdspace();
    }
}

// Takes direction a or its opposite b when exactly one of their keys is down
// and the cell 120 px that way may be entered; both or neither down: no change.
static void trykeys(int a, int b, int &dir)
{
    bool downa = key[dirkey[a]], downb = key[dirkey[b]];
    int want = downa && !downb ? a : downb && !downa ? b : NODIR;
    if (want != NODIR && canmove(px + dx[want] * tilesize, py + dy[want] * tilesize))
        dir = want;
}

void move()
{
    if (thinkmode)
        page(progressthoughts);
    if (talkmode || thinkmode) {
        page(progressdialogue);
        return;
    }

    if (key[KEY_T] && canthink())
        startthought();

    // Between cells the player goes on his way; keys across it are not read,
    // and the opposite key turns him back only where canmove allows.
    bool aligned = px % tilesize == 0 && py % tilesize == 0;
    int dir = aligned ? NODIR : pdir;
    if (px % tilesize == 0)
        trykeys(UP, DOWN, dir);
    if (py % tilesize == 0)
        trykeys(LEFT, RIGHT, dir);  // horizontal wins over vertical

    if (dir == NODIR)
        return;
    walk(dx[dir] * STEP, dy[dir] * STEP);
    pdir = dir;
}
