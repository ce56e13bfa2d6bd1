// The tick clock shared by all screens.
#include "engine/driver.h"

std::atomic<int> speed_count{0};
bool quit = false;

void increment_speed_counter()
{
    ++speed_count;
}
END_OF_FUNCTION(increment_speed_counter)

void dropticks()
{
    speed_count = 0;
}
