// The player's place in the tile world: which scene and area, where on the
// field, whether a step is allowed, and the change of area at an exit. The
// only writer of scene, area, px and py.
#include "engine/world.h"

#include "convtable.h"
#include "engine/talk.h"

int area = 0;
int px = 0, py = 0;

bool canmove(int x, int y)
{
    // Refused before dividing: -1 / 120 would pass for column or row 0.
    if (x < 0 || y < 0)
        return false;
    int column = x / tilesize, row = y / tilesize;
    if (column >= COLUMNS || row >= ROWS)
        return false;

    int code = mask[scene][area][row][column];
    if (code <= TILEEXIT2)
        return code != TILEWALL;
    // A person: he blocks, and speaks only to a player standing on a cell.
    if (x % tilesize == 0 && y % tilesize == 0)
        picktalkstring(code);
    return false;
}

void checkmove()
{
    if (px % tilesize != 0 || py % tilesize != 0)
        return;
    int code = mask[scene][area][py / tilesize][px / tilesize];
    if (code != TILEFREE)
        gotoarea(code);
}

// Puts the player on a cell of an area.
static void place(const Cell &cell)
{
    area = cell.area;
    px = cell.column * tilesize;
    py = cell.row * tilesize;
}

void enterscene(int s)
{
    scene = s;
    place(scenestart[s]);
}

void walk(int dx, int dy)
{
    px += dx;
    py += dy;
    checkmove();
}

void gotoarea(int code)
{
    for (const Exit &exit : exits) {
        if (exit.area == area && (exit.code == ANYEXIT || exit.code == code)) {
            place(exit.to);
            return;
        }
    }
}
