// The world's table: four areas of 8 by 6 cells per scene, the tile code of
// every cell, and where the play field lies on the screen. Shared by the
// engine and the data tool, which draws the area pictures from it.
#ifndef TILES_H
#define TILES_H

#include <cstdint>

enum {
    TILEFREE = 0,
    TILEWALL = 1,
    TILEEXIT = 2,
    TILEEXIT2 = 3,  // area 1's exit into the bar
    // 4 to 9: a person standing on the cell, his actor plus TILEACTOR
    TILESERGEANT = 7,  // the sergeant, whose talk depends on the case so far
    TILESUSPECT = 8    // the suspect, or the detective's own last words
};
const int TILEACTOR = 3;  // a person's tile code less this is his actor

const int tilesize = 120;
const int SCENES = 3, AREAS = 4, ROWS = 6, COLUMNS = 8;

// Where the play field's top left corner lies on the screen.
const int xmargin = 44, ymargin = 0;

// mask[scene][area][row][column]: the tile code of every cell.
extern const int32_t mask[SCENES][AREAS][ROWS][COLUMNS];

// A cell the player is put on: where a scene starts, or where an exit leads.
struct Cell {
    int area, column, row;
};
inline constexpr Cell PARKGATE = {0, 2, 1};    // below the park's gate
inline constexpr Cell STREETGATE = {1, 2, 4};  // the street, above the park's gate
inline constexpr Cell STREETDOOR = {1, 4, 1};  // the street, below the bar's door
inline constexpr Cell BARDOOR = {2, 4, 4};     // inside the bar's door
inline constexpr Cell FLATDOOR = {3, 2, 5};    // the flat's door, in its wall

// Where each scene puts the player.
inline constexpr Cell scenestart[SCENES] = {PARKGATE, BARDOOR, FLATDOOR};

// Where stepping onto an exit leads, by the area it lies in and its code
// (ANYEXIT: either code); an area or code not listed leads nowhere. Each
// arrival cell lies beside the exit leading back, so walking on carries the
// player away from it.
const int ANYEXIT = -1;
struct Exit {
    int area, code;
    Cell to;
};
inline constexpr Exit exits[] = {
    {0, ANYEXIT, STREETGATE},
    {1, TILEEXIT, PARKGATE},
    {1, TILEEXIT2, BARDOOR},
    {2, ANYEXIT, STREETDOOR},
};

#endif
