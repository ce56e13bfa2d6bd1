// What a screen is: a class of four static operations, no instances, run by
// the driver's loop<T> (engine/driver.h).
#ifndef SCREENCLASS_H
#define SCREENCLASS_H

// initialize sets the screen up once; quitcondition says it is over (quit
// included); logic is one 60 Hz tick; draw paints a frame into the buffer.
#define SCREEN_OPERATIONS          \
    static void initialize();      \
    static bool quitcondition();   \
    static void logic();           \
    static void draw()

#endif
