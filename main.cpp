// Vesper Park: the entry point: start-up, then the screens in their order.
#include <allegro.h>

#include "engine/screens.h"
#include "engine/startup.h"

int main(int, char **)
{
    init();
    runscreens();
    return 0;
}
END_OF_MAIN()
