// Headless test harness: Allegro without a display, the back buffer and
// stand-in pictures as memory bitmaps, and the key array set by the test.
#ifndef HEADLESS_H
#define HEADLESS_H

#include <string>

#include <allegro.h>

// Starts Allegro once per process (no display, no sound, 32-bit colour),
// creates buffer, the sprites and the pictures as memory bitmaps, and
// points screen at a memory bitmap so that the driver can blit to it.
// Sprite i is filled with spritecolour(i) but for a magenta 10 by 10 corner
// at its top left. In the area, intro and title pictures every pixel differs
// from its neighbours and none is black, white or magenta, so a picture
// copied one pixel off, or not at all, shows.
void headless_start();
int spritecolour(int i);

// Releases the stand-ins and reads the game's own pictures from the build
// folder in their place with load_pictures; gives its answer.
std::string loadgamepictures();

// The text shown in buffer from (x, y): one character of the library's font
// per 8-pixel cell, white on black, for at most cells cells. Reading stops at
// a cell with a pixel neither white nor black; a cell of white and black that
// is no character reads as '#'; blank cells at the end are dropped.
std::string readtext(int x, int y, int cells = 20);

// Puts the conversation, thought and fade state back to where a scene
// starts with nobody met: no box open, no flags, no counts, no fade.
void resetplay();

// Releases every key, or sets one down (true) or up (false).
void releasekeys();
void setkey(int scancode, bool down);

// An actor's name as the code spells it, or "?" for a value out of range.
std::string actorname(int actor);

#endif
