// The ending screen: the closing text of the ending reached, until Space.
#ifndef GAMEOVER_H
#define GAMEOVER_H

// Where the ending's text begins.
const int ENDINGTEXTX = 450, ENDINGTEXTY = 380;

extern int looptimer;
extern bool warover;
extern const char *const endingtexts[7];

class GameOverLoop {
public:
    static void initialize();
    static bool quitcondition();
    static void logic();
    static void draw();
};

#endif
