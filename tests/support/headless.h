// Headless test harness: Allegro without a display, the back buffer and
// stand-in pictures as memory bitmaps, and the key array set by the test.
#ifndef HEADLESS_H
#define HEADLESS_H

#include <string>

#include <allegro.h>

// Starts Allegro once per process (no display, no sound, 32-bit colour),
// creates buffer, the sprites and the area pictures as memory bitmaps, and
// points screen at a memory bitmap so that the driver can blit to it.
// Sprite i is filled with spritecolour(i) but for a magenta corner; area
// picture a with mapcolour(a).
void headless_start();
int spritecolour(int i);
int mapcolour(int a);

// Releases every key, or sets one down (true) or up (false).
void releasekeys();
void setkey(int scancode, bool down);

// An actor's name as the code spells it, or "?" for a value out of range.
std::string actorname(int actor);

#endif
