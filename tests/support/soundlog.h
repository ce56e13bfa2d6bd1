// A recorder in place of the sound library: the game's modules and samples
// are loaded as at start-up, and every call that would play, stop or sound
// one is written down instead.
#ifndef SOUNDLOG_H
#define SOUNDLOG_H

#include <string>
#include <vector>

// Loads the sounds with init_sound (once per process, from the build
// folder), puts the recorder in place and forgets what it heard so far.
void recordsound();

// The calls heard since the last take, oldest first, modules and samples
// named by their index in music and sample ("?" for anything else):
//   "start 2 1ch at 0 vol 1 buf 4096 11025Hz"
//   "stop 2"
//   "sample 1 vol 255 pan 128 freq 1000 loop 0"
std::vector<std::string> takesound();

#endif
