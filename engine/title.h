// The intro picture shown once at start-up, and the title before every game.
#ifndef TITLE_H
#define TITLE_H

class IntroLoop {
public:
    static void initialize();
    static bool quitcondition();
    static void logic();
    static void draw();
};

class TitleLoop {
public:
    static bool begin;
    static bool spaceheld;
    static void initialize();
    static bool quitcondition();
    static void logic();
    static void draw();
};

#endif
