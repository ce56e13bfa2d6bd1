// Vesper Park: the entry point and the fixed sequence of screens.
#include <allegro.h>

#include "engine/driver.h"
#include "engine/game.h"
#include "engine/gameover.h"
#include "engine/sound.h"
#include "engine/startup.h"
#include "engine/title.h"

int main(int, char **)
{
    init();
    loop<IntroLoop>();
    while (!quit) {
        loop<TitleLoop>();
        loop<GameLoop>();
        loop<GameOverLoop>();
        playmusic(0);
    }
    return 0;
}
END_OF_MAIN()
