// The X display lost under the running game (see lostdisplay.h).
#include "engine/lostdisplay.h"

#include <unistd.h>

#include <X11/Xlib.h>

// Runs on whichever thread met the error, the main thread maybe in the
// middle of a frame: so no exit routine runs, and the message goes out by
// one write, which takes no lock.
static int ondisplaylost(Display *)
{
    static const char message[] = "vesperpark: the display was lost\n";
    (void)!write(STDERR_FILENO, message, sizeof message - 1);
    _exit(1);
}

void catchlostdisplay()
{
    XSetIOErrorHandler(ondisplaylost);
}
