// Requests to stop from outside the game: SIGTERM and SIGINT, as sent by a
// desktop or a terminal, SIGHUP when the terminal closes, and a click on the
// window's close button. They end the running screen as Esc does, so the
// game leaves through its normal exit.
#ifndef STOPSIGNAL_H
#define STOPSIGNAL_H

#include <atomic>

// Set by the handler on whichever thread takes the request; the driver reads
// it at each tick, where it reads Esc.
extern std::atomic<bool> stoprequested;

// Holds the three signals back until catchstopsignals: call it first thing,
// before allegro_init, so that none can reach the library's own handlers
// and threads the library starts keep them blocked.
void blockstopsignals();

// Replaces Allegro's handlers of the signals, which shut the library down
// from inside the handler and abort when it is drawing, then lets them
// through, a signal held back among them; call it after allegro_init, which
// installs those handlers.
void catchstopsignals();

// Takes the window's close button; call it after allegro_init.
void catchclosebutton();

#endif
