// Start-up: the library, sound, keyboard, the tick clock, the display and
// every picture, shared by the game and its driver benchmark.
#ifndef STARTUP_H
#define STARTUP_H

#include <string>

#include "engine/pictures.h"

// The calls of start-up whose order and arguments matter (the colour depth
// before the display and the pictures, the clock's rate, the display modes
// tried), gathered so that a test can put a recorder in their place; they
// start as the library's own and the game's loaders.
struct StartupCalls {
    int (*library)();                                    // allegro_init
    void (*sound)();                                     // init_sound
    void (*colordepth)(int depth);                       // set_color_depth
    int (*keyboard)();                                   // install_keyboard
    int (*timer)();                                      // install_timer
    int (*tick)(void (*callback)(), long period);        // install_int_ex
    int (*gfxmode)(int card, int w, int h, int vw, int vh);  // set_gfx_mode
    std::string (*pictures)(StepDone done);              // load_pictures
};
extern StartupCalls startupcalls;

// Starts everything the screens need; on a failure says why on stderr and
// ends the program with status 1. done, when given, hears of every step.
void init(StepDone done = nostep);

#endif
