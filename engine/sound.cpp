// Music and sound: starts the sound system, loads the modules and the
// gunshot samples, and plays one module at a time through DUMB's stream.
#include "engine/sound.h"

#include <cstdlib>

DUH *music[4];
SAMPLE *sample[2];
AL_DUH_PLAYER *dplay;
SoundCalls soundcalls = {al_start_duh, al_stop_duh, al_poll_duh, play_sample};

static const char *const musicfiles[4] = {"xm/scene1.xm", "xm/scene2.xm", "xm/scene3.xm",
                                          "xm/scene4.xm"};

void init_sound()
{
    if (install_sound(DIGI_AUTODETECT, MIDI_NONE, NULL) != 0)
        allegro_message("Error initialising sound system\n%s\n", allegro_error);
    atexit(&dumb_exit);
    set_mixer_quality(0);
    for (int i = 0; i < 4; i++)
        music[i] = loadmodule(musicfiles[i]);
    sample[0] = loadsample("wav/gunshot.wav");
    sample[1] = loadsample("wav/gunshot2.wav");
}

void stopmusic()
{
    if (dplay) {
        soundcalls.stop(dplay);
        dplay = NULL;
    }
}

void playmusic(int i)
{
    stopmusic();
    if (music[i])
        dplay = soundcalls.start(music[i], 1, 0, 1.0f, 4096, 11025);
}

void playsample(int i)
{
    // A sample that failed to load is skipped: the game plays on without it.
    if (sample[i])
        soundcalls.play(sample[i], 255, pan, pitch, 0);
}
