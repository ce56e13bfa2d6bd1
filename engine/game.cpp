// The game screen's flow: a new game, the fade that closes a scene, and the
// decision between the next scene and an ending.
#include "engine/game.h"

#include "engine/driver.h"
#include "engine/gamekeys.h"
#include "engine/gameover.h"
#include "engine/keys.h"
#include "engine/sound.h"
#include "engine/talk.h"
#include "engine/world.h"
#include "script.h"

bool sceneend = false;
bool fade = false;
int fadecounter = 0;
bool overatfade = false;
bool leave = false;
int endingtype = -1;

// A new game is made of each owner's start: the music of the morning, no
// ending or fade yet, the park's gate, the sergeant's briefing open at its
// first line with the Space that started the game held, the ending screen
// not yet left.
void GameLoop::initialize()
{
    playmusic(1);
    endingtype = -1;
    fade = false;
    overatfade = false;
    sceneend = false;
    leave = false;
    newgameending();
    enterscene(0);
    newgametalk();
    setdialogue();
    holdspace();
}

bool GameLoop::quitcondition()
{
    return quit || leave || warover;
}

// The next scene: its music, its script, its start cell, and everyone to
// meet again.
static void beginscene(int music)
{
    newscenetalk();
    enterscene(scene + 1);
    playmusic(music);
    setdialogue();
}

// The end of a scene: the next scene, or the choice of an ending.
static void decide()
{
    if (scene == 0) {
        if (clearthoughts == 0 && sexthoughts == 0) {
            overatfade = true;
            endingtype = ENDINGNOTHOUGHT;
        } else {
            beginscene(2);  // the evening in the bar
        }
    } else if (scene == 1) {
        if (clearthoughts <= 2 && sexthoughts <= 1) {
            overatfade = true;
            endingtype = ENDINGHOPELESS;
        } else if (clearthoughts > 2) {
            overatfade = true;
            endingtype = ENDINGSUSPICION;
        } else {
            // The suspect's flat; the ending decides whom the person there opens.
            beginscene(3);
            endingtype = sexthoughts == 7 ? ENDINGSURRENDER : ENDINGRESIST;
        }
    } else if (scene == 2) {
        overatfade = true;
    }
}

static void startfade()
{
    fade = true;
    fadecounter = FADEMAX;
}

void closescene()
{
    sceneend = true;
    startfade();
}

void fademiddle()
{
    fade = false;
    GameLoop::logic();
    fade = true;
}

void GameLoop::logic()
{
    if (fade) {
        // The decision belongs to the fade's middle. Normally a frame drawn
        // there takes it; when the driver ran past it without drawing, do
        // here what that frame would have done before counting on.
        if (sceneend && fadecounter - 1 < FADEMIDDLE)
            fademiddle();
        fadecounter = fadecounter - 1;
        if (overatfade && fadecounter <= FADEMIDDLE)
            leave = true;
        if (fadecounter <= 0)
            fade = false;
        return;
    }
    if (sceneend) {
        sceneend = false;
        decide();
    }
    move();
}
