// Writes a scene's key blocks into the conversation table, each stored text
// followed by one space.
#include "script.h"

#include <string>

static std::string stored(const char *text)
{
    return std::string(text) + " ";
}

void buildscript(const std::vector<KeyBlock> &blocks)
{
    script.clear();
    for (const KeyBlock &block : blocks) {
        // Emptied first, so that a block with no texts still leaves its entry.
        PersonConv &entry = script[block.key];
        entry.lines.clear();
        entry.clearthoughtlines.clear();
        entry.sexthoughtlines.clear();
        for (const StoryLine &line : block.lines)
            entry.lines.push_back(Dialogue_Line{line.speaker, stored(line.text)});
        for (const char *text : block.clearthoughts)
            entry.clearthoughtlines.push_back(stored(text));
        for (const char *text : block.sexthoughts)
            entry.sexthoughtlines.push_back(stored(text));
    }
}

void setdialogue()
{
    static const std::vector<KeyBlock> noblocks;
    switch (scene) {
    case 0:
        buildscript(scene0blocks);
        break;
    case 1:
        buildscript(scene1blocks);
        break;
    case 2:
        buildscript(scene2blocks);
        break;
    default:
        buildscript(noblocks);
        break;
    }
}
