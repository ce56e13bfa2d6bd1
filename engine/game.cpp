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

// Everyone can be talked to and thought about again in a new scene or game.
static void clearmet()
{
    for (int i = 0; i < ACTORFLAGS; i++) {
        talkedto[i] = false;
        thoughtabout[i] = false;
    }
}

void GameLoop::initialize()
{
    playmusic(1);
    endingtype = -1;
    fade = false;
    overatfade = false;
    sceneend = false;
    scene = 0;
    warover = false;
    leave = false;
    px = 240;
    py = 120;
    // The game opens inside the sergeant's conversation, at its first line.
    talkmode = true;
    thinkmode = false;
    actorconv = SERGEANT;
    linenumber = 0;
    area = 0;
    setdialogue();
    // The Space that started the game must not also page the first line.
    holdspace();
    sexthoughts = 0;
    clearthoughts = 0;
    clearmet();
    talkedto[SERGEANT] = true;
}

bool GameLoop::quitcondition()
{
    return quit || leave || warover;
}

// The evening in the bar.
static void beginscene1()
{
    clearmet();
    scene = scene + 1;
    clearthoughts = 0;
    playmusic(2);
    setdialogue();
    area = 2;
    px = 480;
    py = 480;
}

// The suspect's flat; the ending type decides whom the person there opens.
static void beginscene2(int ending)
{
    clearmet();
    scene = scene + 1;
    clearthoughts = 0;
    playmusic(3);
    area = 3;
    px = 240;
    py = 600;
    setdialogue();
    endingtype = ending;
}

// The end of a scene: the next scene, or the choice of an ending.
static void decide()
{
    if (scene == 0) {
        if (clearthoughts == 0 && sexthoughts == 0) {
            overatfade = true;
            endingtype = ENDINGNOTHOUGHT;
        } else {
            beginscene1();
        }
    } else if (scene == 1) {
        if (clearthoughts <= 2 && sexthoughts <= 1) {
            overatfade = true;
            endingtype = ENDINGHOPELESS;
        } else if (clearthoughts > 2) {
            overatfade = true;
            endingtype = ENDINGSUSPICION;
        } else if (sexthoughts == 7) {
            beginscene2(ENDINGSURRENDER);
        } else {
            beginscene2(ENDINGRESIST);
        }
    } else if (scene == 2) {
        overatfade = true;
    }
}

void startfade()
{
    fade = true;
    fadecounter = FADEMAX;
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
