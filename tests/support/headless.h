// Headless test harness: Allegro without a display, the back buffer and
// stand-in pictures as memory bitmaps, and the key array set by the test.
#ifndef HEADLESS_H
#define HEADLESS_H

#include <string>

#include <allegro.h>

// Starts Allegro once per process (no display, no sound, 32-bit colour) with
// buffer, screen (for the driver to blit to), the sprites (spritecolour(i) but
// for a magenta corner), the area pictures (mapcolour(a)), the intro and the
// title as memory bitmaps.
void headless_start();
int spritecolour(int i);
int mapcolour(int a);

// Releases every key, or sets one down (true) or up (false).
void releasekeys();
void setkey(int scancode, bool down);

// An actor's name as the code spells it, or "?" for a value out of range.
std::string actorname(int actor);

#endif
