// The story script: every scene's conversations and thoughts, kept as
// tables of key blocks and written into the conversation table.
#ifndef SCRIPT_H
#define SCRIPT_H

#include <vector>

#include "convtable.h"

struct StoryLine {
    int speaker;
    const char *text;
};

// One actor's material in a scene: conversation, clear and desire thoughts.
struct KeyBlock {
    Actors key;
    std::vector<StoryLine> lines;
    std::vector<const char *> clearthoughts;
    std::vector<const char *> sexthoughts;
};

extern const std::vector<KeyBlock> scene0blocks;
extern const std::vector<KeyBlock> scene1blocks;
extern const std::vector<KeyBlock> scene2blocks;

// Clears script and refills it for the current scene (nothing for a scene
// other than 0 to 2).
void setdialogue();

// Writes the given key blocks into script, in order, after clearing it.
void buildscript(const std::vector<KeyBlock> &blocks);

#endif
