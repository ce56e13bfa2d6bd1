// SIGTERM and SIGINT, as sent by a desktop or a terminal asking the game to
// stop: they end the running screen as Esc does, so the game leaves through
// its normal exit.
#ifndef STOPSIGNAL_H
#define STOPSIGNAL_H

#include <atomic>

// Set by the handler on whichever thread takes the signal; the driver reads
// it at each tick, where it reads Esc.
extern std::atomic<bool> stoprequested;

// Replaces Allegro's handlers of the two signals, which shut the library
// down from inside the handler and abort when it is drawing; call it after
// allegro_init, which installs them.
void catchstopsignals();

#endif
