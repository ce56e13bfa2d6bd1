// The fixture of the headless screen tests: Allegro started without a
// display, the sound recorder listening, no key down, no tick due, no quit,
// and a new game started as the game starts one, silent, whatever the test
// before left.
#ifndef HEADLESSTEST_H
#define HEADLESSTEST_H

#include <gtest/gtest.h>

#include "engine/driver.h"
#include "engine/game.h"
#include "tests/support/headless.h"
#include "tests/support/soundlog.h"

class HeadlessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless_start();
        recordsound();
        newgame();
    }
    void TearDown() override { releasekeys(); }

    // Everything as a new game starts it, silent, nothing held or due.
    static void newgame()
    {
        releasekeys();
        quit = false;
        stoprequested = false;
        dropticks();
        GameLoop::initialize();
        stopmusic();
        takesound();
    }
};

#endif
