// The pictures: the back buffer, the sprites, the intro and title pictures
// and one picture per area, loaded once at start-up.
#ifndef PICTURES_H
#define PICTURES_H

#include <string>

#include <allegro.h>

const int SCREENW = 1024, SCREENH = 768;
const int SPRITES = 9, SPRITESIZE = 120;

extern BITMAP *buffer;
extern BITMAP *bitmaparray[SPRITES];
extern BITMAP *introscreen;
extern BITMAP *titlescreen;
extern BITMAP *maps[4];

// Checks that a file holds a BMP picture of at least width by height whose
// pixel data fits in the file, and loads it. Returns null and sets why to
// a message naming the file when it does not.
BITMAP *loadpicture(const char *path, int width, int height, std::string &why);

// Creates the back buffer and loads every picture, cutting the sprites out
// of their sheet. Returns an empty string, or what went wrong.
std::string load_pictures();

#endif
