// The game screen: a new game, the scene-closing fade, the decision between
// the next scene and an ending, and the drawing of every frame.
#ifndef GAME_H
#define GAME_H

#include "engine/screenclass.h"

enum {
    ENDINGNOTHOUGHT = 0,
    ENDINGHOPELESS = 1,
    ENDINGSUSPICION = 2,
    ENDINGRESIST = 3,
    ENDINGSURRENDER = 4
};

const int FADEMAX = 180;
// The fade's middle: bands above it, the curtain from it down to 0, and the
// scene's decision taken on it.
const int FADEMIDDLE = FADEMAX / 2;

// The game's flow, written only by game.cpp; the drawing reads the fade,
// the talk rules and the ending screen read endingtype, and tests set them
// to build the cases they need.
extern bool sceneend;    // a scene-closing conversation has ended
extern bool fade;
extern int fadecounter;  // ticks left in the fade, FADEMAX down to 0
extern bool overatfade;  // an ending was chosen; leave at the fade's middle
extern bool leave;
extern int endingtype;   // -1 until an ending is chosen

// A conversation has closed the scene: the fade starts, and the scene's
// decision is due at its middle.
void closescene();

// The step a frame drawn at the fade's middle runs: one logic step with the
// fade held off, which takes the scene's decision the first time.
void fademiddle();

class GameLoop {
public:
    // draw is the one drawing that changes the game: every frame drawn while
    // the fade stands at its middle runs fademiddle(), a logic step, and the
    // first such frame takes the scene's decision.
    SCREEN_OPERATIONS;
};

#endif
