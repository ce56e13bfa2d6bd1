// The ending screen: the closing text of the ending reached, white on black,
// until Space is pressed again after the first 60 ticks.
#include "engine/gameover.h"

#include <string>

#include "engine/driver.h"
#include "engine/game.h"
#include "engine/keys.h"
#include "engine/pictures.h"
#include "engine/text.h"

int looptimer;
bool warover;

// Indexed by endingtype; the two endings that pass through the last scene
// close on an empty screen.
const char *const endingtexts[7] = {
    "From then on, I hardly gave the case a thought.",
    "Going back to the bar got me nowhere.  Not one soul in there could help me, so I'm "
    "dropping the case as hopeless now.",
    "Lucien.  I have a strong suspicion that Lucien is the one who killed Emil.  I cannot "
    "arrest anyone while I am off duty, so in the morning I will go to his home with a warrant.",
    "",
    "",
    NULL,
    NULL,
};

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
        wrapprint(std::string(endingtexts[endingtype]), ENDINGTEXTX, ENDINGTEXTY, TEXTWIDTH);
}
