// The intro picture shown once at start-up, and the title before every game.
#ifndef TITLE_H
#define TITLE_H

#include "engine/screenclass.h"

class IntroLoop {
public:
    SCREEN_OPERATIONS;
};

class TitleLoop {
public:
    static bool begin;
    static bool spaceheld;
    SCREEN_OPERATIONS;
};

#endif
