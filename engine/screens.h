// The fixed sequence of screens that the game runs once it has started up.
#ifndef SCREENS_H
#define SCREENS_H

// Runs one screen from its start to its end.
typedef void (*RunScreen)();

// A runner for each screen of the sequence.
struct ScreenRunners {
    RunScreen intro, title, game, ending;
};

// The driver's loop over each screen class: what the game runs.
extern const ScreenRunners drivenscreens;

// The intro once; then, until quit is set, the title, a game, its ending
// screen and the title music again from its beginning. quit is looked at
// only between cycles, so after Esc the rest of a cycle still starts.
void runscreens(const ScreenRunners &run = drivenscreens);

#endif
