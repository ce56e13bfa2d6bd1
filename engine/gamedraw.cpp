// The game screen's frames: the area, its persons and the player, the open
// conversation or thought box, and the bands and curtain of a scene's fade.
#include "engine/gamedraw.h"

#include <algorithm>
#include <cstdlib>

#include <allegro.h>

#include "convtable.h"
#include "engine/game.h"
#include "engine/pictures.h"
#include "engine/talk.h"
#include "engine/text.h"
#include "engine/world.h"

// The box lies in the half of the screen away from the player.
static int boxtop()
{
    return py > BOXSPLIT ? BOXTOPHIGH : BOXTOPLOW;
}

// Copies the rectangle of the area picture between two inclusive corners
// to the same place in the buffer; nothing when it is empty.
static void copy(int left, int top, int right, int bottom)
{
    if (right >= left && bottom >= top)
        blit(maps[area], buffer, left, top, left, top, right - left + 1, bottom - top + 1);
}

// A black box from the top row down, its bottom row included.
static void box(const BoxPlace &place, int top)
{
    rectfill(buffer, place.left, top, place.right, top + BOXHEIGHT, makecol(0, 0, 0));
}

// A portrait: a white frame with sprite i at its top left corner.
static void portrait(int i, int x, int top)
{
    const int y = top + PORTRAITDOWN;
    rectfill(buffer, x, y, x + FRAMEW, y + FRAMEH, makecol(255, 255, 255));
    draw_rle_sprite(buffer, rlesprites[i], x, y);
}

// Copies the area picture into the buffer from row first down, except inside
// the open box (none when place is null, else its top row is t): the rows
// above first lie under the curtain and the box is filled black, both
// painted over anyway.
static void background(int first, const BoxPlace *place, int t)
{
    const int bottom = SCREENH - 1;
    if (!place) {
        copy(0, first, SCREENW - 1, bottom);
        return;
    }
    const int boxbottom = t + BOXHEIGHT;
    copy(0, first, SCREENW - 1, t - 1);
    copy(0, std::max(first, t), place->left - 1, boxbottom);
    copy(place->right + 1, std::max(first, t), SCREENW - 1, boxbottom);
    copy(0, std::max(first, boxbottom + 1), SCREENW - 1, bottom);
}

static void conversationbox(int t, int &timer)
{
    box(TALKBOX, t);
    const std::vector<Dialogue_Line> &lines = script[actorconv].lines;
    if (static_cast<size_t>(linenumber) >= lines.size())
        return;  // a conversation without lines shows an empty box
    const Dialogue_Line &line = lines[linenumber];
    wrapprint(line.text.c_str(), TALKBOX.textx, t + TEXTDOWN, TEXTWIDTH);
    int s = line.speaker;
    if (s == DETECTIVE || s == SPEAKERGUNPOINT) {
        portrait(DETECTIVE, TALKBOX.leftportrait, t);
    } else if (s == SPEAKERGUNMAN) {
        timer = (timer + 1) % (2 * GUNMANFRAMES);
        portrait(timer >= GUNMANFRAMES ? SPRITEGUNMAN : SUSPECT, TALKBOX.rightportrait, t);
    } else if (s > 0 && s < SPRITES) {
        portrait(s, TALKBOX.rightportrait, t);
    }
}

static void thoughtbox(int t)
{
    box(THINKBOX, t);
    const std::vector<std::string> &list = thoughtlist();
    if (static_cast<size_t>(linenumber) < list.size())
        wrapprint(list[linenumber].c_str(), THINKBOX.textx, t + TEXTDOWN, TEXTWIDTH);
    portrait(DETECTIVE, THINKBOX.leftportrait, t);
}

void GameLoop::draw()
{
    // Frames showing the gunman's portrait, for his two alternating pictures.
    static int timer = 0;

    if (fade && fadecounter > FADEMIDDLE) {
        // Bands pile up on what the buffer held when the fade began, more
        // likely as the middle nears.
        const int BANDS = 20;
        for (int i = 0; i < BANDS; i++) {
            if (rand() % (fadecounter - FADEMIDDLE + 1) == 0)
                rectfill(buffer, 0, SCREENH * i / BANDS, SCREENW - 1, SCREENH * (i + 1) / BANDS,
                         makecol(0, 0, 0));
        }
        return;
    }
    if (fade && fadecounter == FADEMIDDLE)
        fademiddle();

    // The curtain's last row, or -1 when there is none.
    const int curtain = fade && fadecounter >= 1 && fadecounter <= FADEMIDDLE
                            ? (SCREENH - 1) * fadecounter / FADEMIDDLE
                            : -1;
    const BoxPlace *place = talkmode ? &TALKBOX : thinkmode ? &THINKBOX : NULL;
    background(curtain + 1, place, boxtop());
    for (int j = 0; j < COLUMNS; j++) {
        for (int k = 0; k < ROWS; k++) {
            int code = mask[scene][area][k][j];
            if (code > TILEEXIT2)
                draw_rle_sprite(buffer, rlesprites[code - TILEACTOR], tilesize * j + xmargin,
                                tilesize * k + ymargin);
        }
    }
    draw_rle_sprite(buffer, rlesprites[DETECTIVE], xmargin + px, ymargin + py);

    if (talkmode) {
        conversationbox(boxtop(), timer);
    } else if (thinkmode) {
        thoughtbox(boxtop());
    } else if (canthink()) {
        rectfill(buffer, MARKERLEFT, MARKERLEFT, MARKERRIGHT, MARKERRIGHT, makecol(0, 0, 0));
        textout_ex(buffer, font, "T", MARKERTEXT, MARKERTEXT, makecol(255, 255, 255),
                   makecol(0, 0, 0));
    }

    if (curtain >= 0)
        rectfill(buffer, 0, 0, SCREENW - 1, curtain, makecol(0, 0, 0));
}
