// The X display lost under the running game (the server ended or the
// connection broke): the game says so and ends at once with status 1.
#ifndef LOSTDISPLAY_H
#define LOSTDISPLAY_H

// Takes Xlib's fatal connection errors in place of its default, which calls
// exit on whichever thread met the error: the exit routines then take the
// screen down under the main thread while it copies a frame, and it dies
// by a signal. Allegro installs no handler of its own, so this one may be
// set at any time.
void catchlostdisplay();

#endif
