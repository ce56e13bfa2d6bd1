// Runs a screen headless as the screen driver runs it, with the clock and
// the keyboard in the test's hands.
#ifndef DRIVE_H
#define DRIVE_H

#include "tests/support/headless.h"

// Runs screen T, already initialized, pass by pass until its quit condition
// holds at the top of a pass. At each pass due() ticks run back to back:
// keys() holds the tick's keys, or gives false to stop the run (drive then
// gives false), the logic runs, then tick(); then a frame is drawn, then
// frame().
template <class T, class Due, class Keys, class Tick, class Frame>
bool drive(Due due, Keys keys, Tick tick, Frame frame)
{
    while (!T::quitcondition()) {
        for (int n = due(); n > 0; n--) {
            releasekeys();
            if (!keys())
                return false;
            T::logic();
            tick();
        }
        T::draw();
        frame();
    }
    return true;
}

#endif
