// The tile world: four areas of 8 by 6 cells per scene, the player's place
// in it, and stepping between cells and through exits.
#ifndef WORLD_H
#define WORLD_H

#include <cstdint>

enum {
    TILEFREE = 0,
    TILEWALL = 1,
    TILEEXIT = 2,
    TILEEXIT2 = 3  // area 1's exit into the bar
    // 4 to 9: a person standing on the cell
};

const int tilesize = 120;
const int SCENES = 3, AREAS = 4, ROWS = 6, COLUMNS = 8;

// mask[scene][area][row][column]: the tile code of every cell.
extern const int32_t mask[SCENES][AREAS][ROWS][COLUMNS];

extern int scene;   // 0 to 2
extern int area;    // 0 to 3
extern int px, py;  // the player's top left corner in play-field pixels
extern int xmargin, ymargin;  // where the play field lies on the screen

bool canmove(int x, int y);
void checkmove();
void gotoarea(int code);

#endif
