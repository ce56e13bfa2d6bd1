// The pictures: the back buffer, the sprites, the intro and title pictures
// and one picture per area, loaded once at start-up.
#ifndef PICTURES_H
#define PICTURES_H

#include <string>

#include <allegro.h>

#include "screensize.h"

// Names a start-up step that has just finished (the driver benchmark times
// them); nostep hears nothing.
typedef void (*StepDone)(const char *step);
inline void nostep(const char *) {}

extern BITMAP *buffer;
extern BITMAP *bitmaparray[SPRITES];
extern BITMAP *introscreen;
extern BITMAP *titlescreen;
extern BITMAP *maps[4];

// The sprites again as Allegro's run-length sprites, which draw exactly the
// pixels masked_blit draws of bitmaparray, magenta left out, at a fraction
// of the cost: the frames draw these.
extern RLE_SPRITE *rlesprites[SPRITES];

// Makes rlesprites from bitmaparray, replacing any made before; false when
// memory ran out.
bool makerlesprites();

// Creates the back buffer and loads every picture, cutting the sprites out
// of their sheet; done hears of each picture by its path. Returns an empty
// string, or what went wrong.
std::string load_pictures(StepDone done = nostep);

#endif
