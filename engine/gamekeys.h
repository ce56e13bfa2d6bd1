// The game screen's keys: paging the open box with Space, thinking with T,
// walking with the arrow keys.
#ifndef GAMEKEYS_H
#define GAMEKEYS_H

extern int pdir;  // last step: 0 up, 1 down, 2 left, 3 right

void move();

#endif
