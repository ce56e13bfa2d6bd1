// Checks a scene's story against what the engine and its boxes expect.
#ifndef STORYCHECK_H
#define STORYCHECK_H

#include <string>
#include <vector>

#include "script/script.h"

// One key block in short: its lines as speaker letter and length, "D40 F13"
// (D F B C S L are speakers 0 to 5, G the gunman, P the detective at
// gunpoint), and its clear and desire thoughts as lengths, "60 100".
struct BlockShape {
    Actors key;
    const char *lines, *clear, *desire;
};

struct SceneShape {
    int scene;
    const std::vector<KeyBlock> &blocks;
    std::vector<BlockShape> shape;
    int texts, chars;         // totals over the scene
    size_t longestword;
    int doublespaced;         // texts with two spaces, each after a sentence
    std::string digits;       // the only digits the scene may use
};

// Expects the blocks to have the shape, totals and marks given, every text
// to be made of letters and the marks " !',-.?" alone, without spaces at
// either end or three in a row, and the table setdialogue builds for the
// scene to hold each block's texts plus one space, wrapping at 20
// characters into at most 8 rows (lines) or 6 (thoughts).
void checkscene(const SceneShape &s);

#endif
