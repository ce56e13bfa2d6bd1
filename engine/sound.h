// Music and sound: one tracker module at a time, and the gunshot.
#ifndef SOUND_H
#define SOUND_H

#include <allegro.h>
#include <aldumb.h>

const int pan = 128;     // centre
const int pitch = 1000;  // the speed the sample was recorded at

extern DUH *music[4];
extern SAMPLE *sample[2];
extern AL_DUH_PLAYER *dplay;
extern int musicindex;   // the module last started, -1 before the first
extern int samplesplayed;  // how many samples have been asked for

void init_sound();
// Loads an XM module, or gives null when it is missing or unreadable, when
// the sizes it declares do not fit in the file, or when it would stop the
// player (a zero tempo or BPM).
DUH *loadmodule(const char *path);
void playmusic(int i);
void stopmusic();
void playsample(int i);

#endif
