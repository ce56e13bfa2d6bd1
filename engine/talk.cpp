// Conversations and thoughts: who the player has met, the line shown, the
// thoughts taken, and the end of a conversation that closes the scene. The
// only writer of the globals declared in talk.h.
#include "engine/talk.h"

#include "engine/game.h"
#include "engine/keys.h"
#include "engine/sound.h"
#include "engine/world.h"

Actors actorconv = NOACTOR;
int linenumber = 0;
bool talkmode = false;
bool thinkmode = false;
bool talkedto[ACTORFLAGS];
bool thoughtabout[ACTORFLAGS];
int clearthoughts = 0;
int sexthoughts = 0;

void newscenetalk()
{
    for (int i = 0; i < ACTORFLAGS; i++) {
        talkedto[i] = false;
        thoughtabout[i] = false;
    }
    // The conversation that closed the last scene left no box open and
    // nobody to think about; said again here so that a scene always starts so.
    talkmode = false;
    thinkmode = false;
    actorconv = NOACTOR;
    clearthoughts = 0;
}

void newgametalk()
{
    newscenetalk();
    sexthoughts = 0;
    // The sergeant's briefing, open at its first line.
    actorconv = SERGEANT;
    talkedto[SERGEANT] = true;
    talkmode = true;
    linenumber = 0;
}

// Once Ilse, Teo and Lucien have all been heard, the sergeant wraps the case
// up: he stays if the detective has thought about anything, else he leaves.
static Actors sergeantconv()
{
    if (!(talkedto[FRIEND] && talkedto[BARMAN] && talkedto[SUSPECT]))
        return SERGEANT;
    return clearthoughts == 0 && sexthoughts == 0 ? SERGEANTLEAVE : SERGEANTSTAY;
}

void picktalkstring(int code)
{
    // A box opened earlier in this step (a thought, or the person met by the
    // other arrow key) keeps the screen: this person only blocks, so one box
    // shows at a time and nobody counts as talked to without his talk.
    if (talkmode || thinkmode)
        return;

    switch (code) {
    case TILESERGEANT:
        actorconv = sergeantconv();
        break;
    case TILESUSPECT:
        actorconv = endingtype == ENDINGRESIST ? DETECTIVE : SUSPECT;
        break;
    default:
        actorconv = static_cast<Actors>(code - TILEACTOR);
        break;
    }
    linenumber = 0;
    if (!talkedto[actorconv]) {
        talkedto[actorconv] = true;
        talkmode = true;
    } else {
        talkmode = false;
        holdspace();
    }
}

void progressdialogue()
{
    linenumber++;
    if (linenumber < static_cast<int>(script[actorconv].lines.size()))
        return;

    talkmode = false;
    if (actorconv == SERGEANTSTAY || actorconv == SERGEANTLEAVE) {
        actorconv = NOACTOR;
        closescene();
    }
    if (scene == 1 && talkedto[CLUBBER] && talkedto[SUSPECT] && talkedto[FRIEND] &&
        talkedto[BARMAN]) {
        actorconv = NOACTOR;
        closescene();
    }
    if (scene == 2) {
        closescene();
        playsample(1);  // the shot that ends the last scene
    }
}

const std::vector<std::string> &thoughtlist()
{
    PersonConv &conv = script[actorconv];
    return talkedto[SUSPECT] ? conv.sexthoughtlines : conv.clearthoughtlines;
}

void progressthoughts()
{
    linenumber++;
    if (linenumber >= static_cast<int>(thoughtlist().size()))
        thinkmode = false;
}

bool canthink()
{
    return !talkmode && actorconv != NOACTOR && !thoughtabout[actorconv];
}

void startthought()
{
    thoughtabout[actorconv] = true;
    if (talkedto[SUSPECT])
        sexthoughts++;
    else
        clearthoughts++;
    thinkmode = true;
    linenumber = 0;
}
