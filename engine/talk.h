// Conversations and thoughts: opening a person's conversation, paging it,
// thinking about the person last met, and the tests that close a scene.
#ifndef TALK_H
#define TALK_H

#include "convtable.h"

// Written only by talk.cpp; the drawing and the game's flow read them, and
// tests set them to build the cases they need.
extern Actors actorconv;   // whose conversation is open, or who was met last
extern int linenumber;     // the line or thought page shown
extern bool talkmode;      // a conversation box is open
extern bool thinkmode;     // a thought box is open
extern bool talkedto[ACTORFLAGS];
extern bool thoughtabout[ACTORFLAGS];
extern int clearthoughts;  // thoughts about the case, this scene
extern int sexthoughts;    // thoughts of desire, scenes 0 and 1 together

// A new game opens inside the sergeant's briefing, who counts as heard;
// nobody else has been met or thought about, and no thought is counted.
void newgametalk();
// A new scene: nobody met or thought about, no box open, no clear thought
// counted; the desire thoughts go on counting.
void newscenetalk();

void picktalkstring(int code);
void progressdialogue();
void progressthoughts();
bool canthink();
void startthought();

// The thought list that the open thought pages through: desire once the
// suspect has been talked to in this scene, clear before.
const std::vector<std::string> &thoughtlist();

#endif
