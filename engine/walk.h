// The game screen's keys: paging with Space, thinking with T, walking with
// the arrow keys.
#ifndef WALK_H
#define WALK_H

extern int pdir;           // last step: 0 up, 1 down, 2 left, 3 right
extern bool spacepressed;  // Space held since its last use (game and ending screens)

void move();

#endif
