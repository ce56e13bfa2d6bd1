// The ending screen: the closing text of the ending reached, white on black,
// until Space is pressed again after the first 60 ticks.
#include "engine/gameover.h"

#include "engine/driver.h"
#include "engine/game.h"
#include "engine/keys.h"
#include "engine/pictures.h"
#include "engine/text.h"

static int looptimer;  // ticks before Space can end the screen
bool warover;

// Indexed by endingtype; the two endings that pass through the last scene
// close on an empty screen.
const char *const endingtexts[7] = {
    "From then on, I hardly gave the case a thought.",
    "Going back to the bar got me nowhere.  Nobody there gave me more than a hunch, so I'm "
    "giving the case up as hopeless.",
    "Lucien.  I strongly suspect Lucien of killing Emil; he lied to me about last night.  I "
    "can't arrest him while off duty, so in the morning I will go to his home with a warrant.",
    "",
    "",
    NULL,
    NULL,
};

void newgameending()
{
    warover = false;
}

void GameOverLoop::initialize()
{
    looptimer = SPACEDELAY;
}

bool GameOverLoop::quitcondition()
{
    return warover || quit;
}

void GameOverLoop::logic()
{
    if (looptimer > 0) {
        looptimer--;
        holdspace();
    } else if (freshspace(spacepressed)) {
        warover = true;
    }
}

void GameOverLoop::draw()
{
    clear_to_color(buffer, makecol(0, 0, 0));
    if (endingtype >= ENDINGNOTHOUGHT && endingtype <= ENDINGSURRENDER)
        wrapprint(endingtexts[endingtype], ENDINGTEXTX, ENDINGTEXTY, TEXTWIDTH);
}
