// Start-up: the library, sound, keyboard, the tick clock, the display and
// every picture, shared by the game and its driver benchmark.
#ifndef STARTUP_H
#define STARTUP_H

#include "engine/pictures.h"

// Starts everything the screens need; on a failure says why on stderr and
// ends the program with status 1. done, when given, hears of every step.
void init(StepDone done = nostep);

#endif
