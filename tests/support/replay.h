// Plays whole games headless from a route of held keys, tick by tick and
// frame by frame as the screen driver does, and notes what a player sees.
#ifndef REPLAY_H
#define REPLAY_H

#include <string>

// A route is a list of moves parted by spaces:
//   U3 D1 L2 R4   walk that many cells (30 ticks each)
//   u16 r22 ...   step against the person that way, then page that many lines
//   T6            think, then page that many strings
//   P16           that many fresh presses of Space
//   S             Space held for one tick;  .59  nothing held for 59 ticks
// Runs the game's sequence of screens, from the intro on, with the route's
// keys; where the route runs out, Esc ends the run. Returns the notes, parted
// by "; ": each screen's start with the music then, what happened, and last
// the screen on which Esc came and the music at the end.
std::string replay(const std::string &route);

#endif
