// The screen driver: runs a screen's logic at a fixed 60 ticks a second,
// counted by a timer callback, and draws frames as fast as it can.
#ifndef DRIVER_H
#define DRIVER_H

#include <atomic>

#include <allegro.h>
#include <aldumb.h>

#include "engine/pictures.h"
#include "engine/sound.h"
#include "engine/stopsignal.h"

// Ticks due whose logic has not run yet; the only state the timer thread
// shares with the main thread, changed by indivisible steps only.
// The tests set both to start each case afresh.
extern std::atomic<int> speed_count;
extern bool quit;  // Esc, or a request to stop, was seen at a tick; never cleared

void increment_speed_counter();
// Forgets the ticks due, as the intro does with those counted while loading.
void dropticks();

// Runs one screen, a class of static initialize/quitcondition/logic/draw,
// from its start until its quit condition holds.
template <class T>
void loop()
{
    T::initialize();
    for (;;) {
        if (T::quitcondition())
            return;
        soundcalls.poll(dplay);
        while (speed_count > 0) {
            if (key[KEY_ESC] || stoprequested)
                quit = true;
            T::logic();
            --speed_count;
        }
        T::draw();
        blit(buffer, screen, 0, 0, 0, 0, SCREENW, SCREENH);
    }
}

#endif
