// The fixed sequence of screens (see screens.h).
#include "engine/screens.h"

#include "engine/driver.h"
#include "engine/game.h"
#include "engine/gameover.h"
#include "engine/sound.h"
#include "engine/title.h"

const ScreenRunners drivenscreens = {loop<IntroLoop>, loop<TitleLoop>, loop<GameLoop>,
                                     loop<GameOverLoop>};

void runscreens(const ScreenRunners &run)
{
    run.intro();
    while (!quit) {
        run.title();
        run.game();
        run.ending();
        playmusic(0);
    }
}
