// Sends a window the close request that a window manager sends when its
// close button is clicked (WM_DELETE_WINDOW), for the end-to-end tests:
// closerequest <window id>.
#include <cstdlib>

#include <X11/Xlib.h>

int main(int argc, char **argv)
{
    Display *display = XOpenDisplay(nullptr);
    if (argc != 2 || !display)
        return 2;
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = strtoul(argv[1], nullptr, 0);
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = XInternAtom(display, "WM_DELETE_WINDOW", False);
    Status sent = XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    XCloseDisplay(display);
    return sent ? 0 : 1;
}
