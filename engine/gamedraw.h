// Where the game screen draws what lies over the area: the conversation and
// thought boxes with their portraits, and the T marker.
#ifndef GAMEDRAW_H
#define GAMEDRAW_H

// A box's top row: high when the player stands below BOXSPLIT, else low.
const int BOXSPLIT = 300, BOXTOPHIGH = 91, BOXTOPLOW = 552;
const int BOXHEIGHT = 140;  // the bottom row lies this far below the top
const int TEXTDOWN = 30;     // the first text row, below the top
const int PORTRAITDOWN = 5;  // a portrait's top, below the top

// One kind of box: its columns, its text's left edge, the portrait drawn on
// the left (the detective's) and, in a conversation, the one on the right.
struct BoxPlace {
    int left, right, textx, leftportrait, rightportrait;
};
const BoxPlace TALKBOX = {280, 780, 450, 285, 655};
const BoxPlace THINKBOX = {340, 720, 510, 345, 0};

// A portrait's white frame reaches this far right and down from its corner.
const int FRAMEW = 120, FRAMEH = 130;

// The T marker: a black square with the letter in it.
const int MARKERLEFT = 10, MARKERRIGHT = 30, MARKERTEXT = 17;

// Frames each of the gunman's two pictures shows before the other.
const int GUNMANFRAMES = 40;

#endif
