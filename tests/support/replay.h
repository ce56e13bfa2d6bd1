// Plays whole games headless from a route of held keys, tick by tick and
// frame by frame as the screen driver does, and writes down what a player
// would notice on the way: conversations, thoughts, areas, fades, the music,
// the shot and the ending screen.
#ifndef REPLAY_H
#define REPLAY_H

#include <string>
#include <vector>

// One step of a walkthrough. Plain steps hold keys for a number of ticks:
//   {"RIGHT", 30}, {"SPACE", 1}, {"UP+RIGHT", 4}, {"", 2} (nothing held).
// Verbs spell out what a player does in whole moves:
//   {"walk LEFT", n}  walk n cells (30 ticks each)
//   {"talk UP", n}    step against the person above, then page n lines
//   {"think", n}      press T, then page n thought strings
//   {"page", n}       n fresh presses of Space (released for a tick before each)
struct Step {
    std::string keys;
    int n;
};
using Route = std::vector<Step>;

// Runs title screen, game screen, ending screen and the title music's restart
// in the program's order, over and over, from the title screen on until the
// route runs out, with nothing but the key array as input. Returns the
// player's notes, one event per entry, ending with the screen the route
// ended on.
std::vector<std::string> replay(const Route &route);

#endif
