// One BMP file read safely: its header is checked before Allegro reads it.
#ifndef BMPFILE_H
#define BMPFILE_H

#include <string>

#include <allegro.h>

// Checks that a file holds a BMP picture of at least width by height whose
// pixel data fits in the file, and loads it. Returns null and sets why to
// a message naming the file when it does not.
BITMAP *loadcheckedbmp(const char *path, int width, int height, std::string &why);

#endif
