// The data tool's generators: each makes one kind of game file in memory.
#ifndef MAKEDATA_H
#define MAKEDATA_H

#include <cstdint>
#include <string>
#include <vector>

#include <allegro.h>

// The 1024 by 768 picture of an area (0 to 3), drawn from the tile table.
BITMAP *makearea(int area);

// The tile code the picture of an area shows for a cell: the code common to
// every scene; a person's cell shows as floor, a door that is walled up in
// one scene shows as a door, a free cell closed in by walls shows as wall,
// and the flat's door, where the last scene begins, shows as a door.
int drawncode(int area, int row, int column);

// The sheet of nine 120 by 120 sprites on magenta, 1080 by 120.
BITMAP *makesprites();

// The intro and title pictures, 1024 by 768.
BITMAP *makeintro();
BITMAP *maketitle();

// The bytes of music module i (0 to 3) as an XM file.
std::vector<uint8_t> makesong(int i);

// A gunshot as 16-bit mono samples at `gunshotrate`; variant 0 is the far
// shot, 1 the close one.
const int gunshotrate = 22050;
std::vector<int16_t> makegunshot(int variant);

// The bytes of a WAV file holding 16-bit mono PCM samples.
std::vector<uint8_t> makewav(const std::vector<int16_t> &samples, int rate);

#endif
