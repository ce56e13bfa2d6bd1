// The fixture of the headless screen tests: Allegro started without a
// display, the sound recorder listening, no key down, and no quit or left
// ending screen from the test before.
#ifndef HEADLESSTEST_H
#define HEADLESSTEST_H

#include <gtest/gtest.h>

#include "engine/driver.h"
#include "engine/gameover.h"
#include "tests/support/headless.h"
#include "tests/support/soundlog.h"

class HeadlessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless_start();
        recordsound();
        releasekeys();
        quit = warover = false;
    }
    void TearDown() override { releasekeys(); }
};

#endif
