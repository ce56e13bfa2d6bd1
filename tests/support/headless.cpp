// Headless test harness (see headless.h).
#include "tests/support/headless.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <map>

#include "engine/game.h"
#include "engine/pictures.h"
#include "engine/talk.h"

int spritecolour(int i)
{
    return makecol(20 + 25 * i, 200 - 20 * i, 40 + 10 * i);
}

// Picture p, 0 to 5: the four areas, the intro and the title.
static BITMAP *pattern(int p)
{
    BITMAP *b = create_bitmap(SCREENW, SCREENH);
    for (int y = 0; y < SCREENH; y++)
        for (int x = 0; x < SCREENW; x++)
            reinterpret_cast<uint32_t *>(b->line[y])[x] = makecol(20 + 30 * p + 4 * (x & 7), y & 255, x >> 3 & 255);
    return b;
}

std::string readtext(int x, int y, int cells)
{
    const int white = makecol(255, 255, 255), black = makecol(0, 0, 0);
    // A cell's white pixels, one bit each; drawn stays true while every
    // pixel is white or black.
    auto cell = [&](BITMAP *b, int cx, int cy, bool &drawn) {
        uint64_t bits = 0;
        for (int k = 0; k < 64; k++) {
            int c = getpixel(b, cx + k % 8, cy + k / 8);
            drawn &= c == white || c == black;
            bits |= uint64_t(c == white) << k;
        }
        return bits;
    };
    static std::map<uint64_t, char> glyphs;
    if (glyphs.empty()) {
        BITMAP *b = create_bitmap(8, 8);
        for (char ch = ' '; ch <= '~'; ch++) {
            const char s[2] = {ch, 0};
            textout_ex(b, font, s, 0, 0, white, black);
            bool drawn = true;
            glyphs[cell(b, 0, 0, drawn)] = ch;
        }
        destroy_bitmap(b);
    }
    std::string text;
    for (int i = 0; i < cells; i++) {
        bool drawn = true;
        auto g = glyphs.find(cell(buffer, x + 8 * i, y, drawn));
        if (!drawn)
            break;
        text += g != glyphs.end() ? g->second : '#';
    }
    return text.erase(text.find_last_not_of(' ') + 1);
}

void headless_start()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    install_allegro(SYSTEM_NONE, &errno, atexit);
    set_color_depth(32);
    buffer = create_bitmap(SCREENW, SCREENH);
    screen = create_bitmap(SCREENW, SCREENH);
    for (int i = 0; i < SPRITES; i++) {
        bitmaparray[i] = create_bitmap(SPRITESIZE, SPRITESIZE);
        clear_to_color(bitmaparray[i], spritecolour(i));
        rectfill(bitmaparray[i], 0, 0, 9, 9, makecol(255, 0, 255));
    }
    makerlesprites();
    for (int a = 0; a < 4; a++)
        maps[a] = pattern(a);
    introscreen = pattern(4);
    titlescreen = pattern(5);
    releasekeys();
}

std::string loadgamepictures()
{
    headless_start();
    for (BITMAP *b : {buffer, introscreen, titlescreen})
        destroy_bitmap(b);
    for (BITMAP *b : bitmaparray)
        destroy_bitmap(b);
    for (BITMAP *b : maps)
        destroy_bitmap(b);
    return load_pictures();
}

void resetplay()
{
    endingtype = -1;
    actorconv = NOACTOR;
    linenumber = 0;
    talkmode = thinkmode = false;
    for (int i = 0; i < ACTORFLAGS; i++)
        talkedto[i] = thoughtabout[i] = false;
    clearthoughts = sexthoughts = 0;
    sceneend = fade = false;
    fadecounter = 0;
}

void releasekeys()
{
    for (int i = 0; i < KEY_MAX; i++)
        key[i] = 0;
}

void setkey(int scancode, bool down)
{
    key[scancode] = down ? 1 : 0;
}

std::string actorname(int actor)
{
    static const char *const names[] = {"DETECTIVE", "FRIEND",       "BARMAN",
                                        "CLUBBER",   "SERGEANT",     "SUSPECT",
                                        "VICTIM",    "SERGEANTSTAY", "SERGEANTLEAVE",
                                        "NOACTOR"};
    return actor >= 0 && actor <= NOACTOR ? names[actor] : "?";
}
