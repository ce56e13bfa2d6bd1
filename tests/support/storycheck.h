// Checks a scene's key blocks against the shape the engine expects of them:
// list sizes, speaker codes, text lengths and the properties of every text.
#ifndef STORYCHECK_H
#define STORYCHECK_H

#include <vector>

#include "script/script.h"

// The expected shape of one key block: each conversation line as
// {speaker code, length}, each thought as its length (before the added space).
struct BlockShape {
    Actors key;
    std::vector<std::pair<int, int>> lines;
    std::vector<int> clearthoughts;
    std::vector<int> sexthoughts;
};

// Expects the blocks to have exactly this shape, in this order, and every
// text to be printable ASCII from the allowed marks, without leading,
// trailing or tripled spaces, with no word over 15 characters.
void checkshape(const std::vector<KeyBlock> &blocks, const std::vector<BlockShape> &shape);

// Builds the scene with setdialogue and expects every stored text to end in
// exactly one added space and to wrap at 20 characters into at most 8 rows
// (conversation lines) or 6 rows (thoughts).
void checkbuilt(int scene);

// Number of texts, and characters before the added spaces, in the blocks.
int counttexts(const std::vector<KeyBlock> &blocks);
int countchars(const std::vector<KeyBlock> &blocks);

#endif
