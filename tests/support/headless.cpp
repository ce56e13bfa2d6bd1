// Headless test harness (see headless.h).
#include "tests/support/headless.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <utility>

#include "convtable.h"
#include "engine/pictures.h"

int spritecolour(int i) { return makecol(20 + 25 * i, 200 - 20 * i, 40 + 10 * i); }
int mapcolour(int a) { return makecol(60 + 30 * a, 90, 120 - 20 * a); }

void headless_start()
{
    static bool started = false;
    if (std::exchange(started, true))
        return;
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
    for (int a = 0; a < 4; a++) {
        maps[a] = create_bitmap(SCREENW, SCREENH);
        clear_to_color(maps[a], mapcolour(a));
    }
    introscreen = create_bitmap(SCREENW, SCREENH);
    clear_to_color(introscreen, makecol(10, 20, 30));
    titlescreen = create_bitmap(SCREENW, SCREENH);
    clear_to_color(titlescreen, makecol(30, 20, 10));
    releasekeys();
}

void releasekeys() { std::fill(key, key + KEY_MAX, 0); }
void setkey(int scancode, bool down) { key[scancode] = down; }

std::string actorname(int actor)
{
    static const char *const names[] = {"DETECTIVE", "FRIEND", "BARMAN", "CLUBBER", "SERGEANT",
                                        "SUSPECT", "VICTIM", "SERGEANTSTAY", "SERGEANTLEAVE", "NOACTOR"};
    return actor >= 0 && actor <= NOACTOR ? names[actor] : "?";
}
