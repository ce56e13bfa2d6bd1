// The conversation table: who a person is, what each says and what the
// detective can think about them in the current scene.
#ifndef CONVTABLE_H
#define CONVTABLE_H

#include <map>
#include <string>
#include <vector>

enum Actors {
    DETECTIVE = 0,
    FRIEND = 1,
    BARMAN = 2,
    CLUBBER = 3,
    SERGEANT = 4,
    SUSPECT = 5,
    VICTIM = 6,
    SERGEANTSTAY = 7,   // the sergeant's closing talk when a thought was taken
    SERGEANTLEAVE = 8,  // ... and when none was
    NOACTOR = 9
};

// Room for a flag per actor, with spares beyond NOACTOR.
const int ACTORFLAGS = 12;

// Speaker codes beyond the Actors values 0 to 6.
const int SPEAKERGUNMAN = 9;     // the suspect holding the gun
const int SPEAKERGUNPOINT = 10;  // the detective at gunpoint

struct Dialogue_Line {
    int speaker;
    std::string text;  // authored text plus one trailing space
};

struct PersonConv {
    std::vector<Dialogue_Line> lines;
    std::vector<std::string> clearthoughtlines;  // used until the suspect is met
    std::vector<std::string> sexthoughtlines;    // used once he has been
};

// The scene being played, 0 to 2: the one the table is filled for. Kept
// here for the story to read; only the world (enterscene) writes it.
extern int scene;

// Subscript inserts an empty entry for a missing actor, so a lookup never fails.
extern std::map<Actors, PersonConv> script;

#endif
