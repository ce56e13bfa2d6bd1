// The player's place in the tile world: the area, his corner on the play
// field, stepping between cells and through exits.
#ifndef WORLD_H
#define WORLD_H

#include "tiles.h"

extern int area;    // 0 to 3
extern int px, py;  // the player's top left corner in play-field pixels

bool canmove(int x, int y);
void checkmove();
void gotoarea(int code);

#endif
