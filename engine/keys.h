// Space as the screens read it: a press counts once, and only after Space
// has been seen up since the flag was last set.
#ifndef KEYS_H
#define KEYS_H

// Ticks the title and ending screens are up before Space can end them.
const int SPACEDELAY = 60;

// Space held since its last use, shared by the game and ending screens.
extern bool spacepressed;

// True when Space is down and held is clear; clears held while Space is up.
// The caller sets held (holdspace for spacepressed) when the press is used.
bool freshspace(bool &held);

// The Space now down, if any, must not count on the game or ending screen.
void holdspace();

#endif
