// The pictures: the back buffer, the sprites, the intro and title pictures
// and one picture per area, loaded once at start-up.
#ifndef PICTURES_H
#define PICTURES_H

#include <string>

#include <allegro.h>

#include "engine/screensize.h"

extern BITMAP *buffer;
extern BITMAP *bitmaparray[SPRITES];
extern BITMAP *introscreen;
extern BITMAP *titlescreen;
extern BITMAP *maps[4];

// Creates the back buffer and loads every picture, cutting the sprites out
// of their sheet. Returns an empty string, or what went wrong.
std::string load_pictures();

#endif
