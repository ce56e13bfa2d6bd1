// The intro picture, shown once for 102 ticks while the title music starts,
// and the title picture, which waits for a fresh Space.
#include "engine/title.h"

#include "engine/driver.h"
#include "engine/gameover.h"
#include "engine/keys.h"
#include "engine/pictures.h"
#include "engine/sound.h"

static int titletimer;      // the intro's ticks
static bool finishedtitle;  // the intro is over
static int starttimer;      // ticks before Space can start a game
bool TitleLoop::begin;
bool TitleLoop::spaceheld = true;

void IntroLoop::initialize()
{
    playmusic(0);
    dropticks();  // the ticks counted while loading
    titletimer = 0;
    finishedtitle = false;
}

bool IntroLoop::quitcondition()
{
    return quit || warover || finishedtitle;
}

void IntroLoop::logic()
{
    titletimer++;
    if (titletimer > 240)
        finishedtitle = true;
    else if (titletimer > 100)
        titletimer = 240;
}

void IntroLoop::draw()
{
    blit(introscreen, buffer, 0, 0, 0, 0, SCREENW, SCREENH);
}

void TitleLoop::initialize()
{
    begin = false;
    spaceheld = true;
    starttimer = SPACEDELAY;
}

bool TitleLoop::quitcondition()
{
    return quit || begin;
}

void TitleLoop::logic()
{
    if (starttimer > 0)
        starttimer--;
    if (freshspace(spaceheld) && starttimer == 0)
        begin = true;
}

void TitleLoop::draw()
{
    blit(titlescreen, buffer, 0, 0, 0, 0, SCREENW, SCREENH);
}
