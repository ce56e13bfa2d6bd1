// The player's place in the tile world: which scene and area, where on the
// field, whether a step is allowed, and the change of area at an exit.
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

// Each arrival cell lies beside the exit leading back, so walking on carries
// the player away from it.
void gotoarea(int code)
{
    switch (area) {
    case 0:
        area = 1;
        px = 240;
        py = 480;
        break;
    case 1:
        if (code == TILEEXIT) {
            area = 0;
            px = 240;
            py = 120;
        } else if (code == TILEEXIT2) {
            area = 2;
            px = 480;
            py = 480;
        }
        break;
    case 2:
        area = 1;
        px = 480;
        py = 120;
        break;
    default:  // area 3 has no way out
        break;
    }
}
