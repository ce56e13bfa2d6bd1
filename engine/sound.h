// Music and sound: one tracker module at a time, and the gunshot.
#ifndef SOUND_H
#define SOUND_H

#include <allegro.h>
#include <aldumb.h>

const int pan = 128;     // centre
const int pitch = 1000;  // the speed the sample was recorded at
// The largest module or sample file read: far above any the data tool makes
// (0.3 MiB), far below what would hold up start-up or fill the memory.
const long MAXSOUNDFILE = 8L << 20;

extern DUH *music[4];
extern SAMPLE *sample[2];
extern AL_DUH_PLAYER *dplay;

// The sound library's calls that play, refill and stop the music and play a
// sample, gathered here so that a test can put a recorder in their place;
// they start as DUMB's and Allegro's own.
struct SoundCalls {
    AL_DUH_PLAYER *(*start)(DUH *duh, int channels, long pos, float volume, long bufsize, int freq);
    void (*stop)(AL_DUH_PLAYER *player);
    int (*poll)(AL_DUH_PLAYER *player);
    int (*play)(const SAMPLE *spl, int volume, int pan, int freq, int loop);
};
extern SoundCalls soundcalls;

void init_sound();
// Loads an XM module, or gives null when it is missing, unreadable, not a
// regular file or larger than MAXSOUNDFILE, when the sizes it declares do
// not fit in the file, or when it would stop the player (a zero tempo or BPM).
DUH *loadmodule(const char *path);
// Loads a WAV sample, or gives null when it is missing, unreadable, not a
// regular file or larger than MAXSOUNDFILE, or when its chunks do not fill
// the file exactly (Allegro's loader reads chunks up to the file's end and
// reserves what a chunk declares).
SAMPLE *loadsample(const char *path);
void playmusic(int i);
void stopmusic();
void playsample(int i);

#endif
