// The game screen's keys: paging the open box with Space, thinking with T,
// walking with the arrow keys.
#ifndef GAMEKEYS_H
#define GAMEKEYS_H

void move();

#endif
