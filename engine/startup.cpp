// Start-up: brings up Allegro, the sound, the keyboard and the 60 Hz tick
// clock, sets the display and loads the pictures, or says why it cannot.
#include "engine/startup.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include <allegro.h>

#include "engine/driver.h"
#include "engine/lostdisplay.h"
#include "engine/pictures.h"
#include "engine/sound.h"
#include "engine/stopsignal.h"

// allegro_init is a macro: the table holds this in its place.
static int startallegro()
{
    return allegro_init();
}

StartupCalls startupcalls = {startallegro,  init_sound,     set_color_depth, install_keyboard,
                             install_timer, install_int_ex, set_gfx_mode,    load_pictures};

// Start-up cannot go on: says why on the terminal and ends with status 1.
static void fail(const std::string &why)
{
    startupcalls.gfxmode(GFX_TEXT, 0, 0, 0, 0);
    fprintf(stderr, "vesperpark: %s\n", why.c_str());
    exit(1);
}

// Full screen if the display allows it, else a window of the same size.
static void setdisplay()
{
    if (startupcalls.gfxmode(GFX_AUTODETECT_FULLSCREEN, SCREENW, SCREENH, 0, 0) == 0)
        return;
    if (startupcalls.gfxmode(GFX_AUTODETECT_WINDOWED, SCREENW, SCREENH, 0, 0) == 0)
        return;
    fail(std::string("cannot open a 1024x768 display, full screen or windowed (") +
         allegro_error + ")");
}

void init(StepDone done)
{
    blockstopsignals();
    catchlostdisplay();
    if (startupcalls.library() != 0) {
        // Without an X display Allegro finds no system driver and gives no reason.
        const char *display = getenv("DISPLAY");
        if (allegro_error[0])
            fprintf(stderr, "vesperpark: cannot start Allegro: %s\n", allegro_error);
        else if (!display || !display[0])
            fprintf(stderr, "vesperpark: no display: DISPLAY is not set, and the game needs an "
                            "X display\n");
        else
            fprintf(stderr, "vesperpark: cannot open the X display \"%s\"\n", display);
        exit(1);
    }
    catchstopsignals();
    catchclosebutton();
    done("library");
    startupcalls.sound();
    done("sound and modules");
    startupcalls.colordepth(32);
    startupcalls.keyboard();
    startupcalls.timer();
    LOCK_VARIABLE(speed_count);
    LOCK_FUNCTION(increment_speed_counter);
    startupcalls.tick(increment_speed_counter, BPS_TO_TIMER(60));
    done("keyboard and timer");
    setdisplay();
    done("display");
    std::string why = startupcalls.pictures(done);
    if (!why.empty())
        fail("cannot start: " + why);
    srand(time(NULL));
}
