// The player's place in the tile world: the scene and area, his corner on
// the play field, stepping between cells and through exits.
#ifndef WORLD_H
#define WORLD_H

#include "tiles.h"

// Written only here; the game screen's drawing reads them, and tests set
// them to put the player where a case needs him.
extern int area;    // 0 to 3
extern int px, py;  // the player's top left corner in play-field pixels

// Scene s begins (a new game: scene 0) with the player on its start cell.
void enterscene(int s);

bool canmove(int x, int y);
// Moves the player dx, dy pixels, then changes the area if that reached an
// exit.
void walk(int dx, int dy);
void checkmove();
void gotoarea(int code);

#endif
