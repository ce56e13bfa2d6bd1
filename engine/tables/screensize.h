// The sizes every picture is made for: the 1024 by 768 screen and the row of
// nine 120-pixel sprites. Shared by the engine and the data tool.
#ifndef SCREENSIZE_H
#define SCREENSIZE_H

const int SCREENW = 1024, SCREENH = 768;
const int SPRITES = 9, SPRITESIZE = 120;
const int SPRITEGUNMAN = 8;  // the suspect's second picture, the gun raised

#endif
