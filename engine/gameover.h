// The ending screen: the closing text of the ending reached, until Space.
#ifndef GAMEOVER_H
#define GAMEOVER_H

#include "engine/screenclass.h"

// Where the ending's text begins.
const int ENDINGTEXTX = 450, ENDINGTEXTY = 380;

// The ending screen has been left with Space; the game screen and the intro
// end on it too. Written only by gameover.cpp.
extern bool warover;
extern const char *const endingtexts[7];

// A new game has not left its ending screen yet.
void newgameending();

class GameOverLoop {
public:
    SCREEN_OPERATIONS;
};

#endif
