// Space as the screens read it (see keys.h).
#include "engine/keys.h"

#include <allegro.h>

bool spacepressed = false;

bool freshspace(bool &held)
{
    if (!key[KEY_SPACE])
        held = false;
    return key[KEY_SPACE] && !held;
}

void holdspace()
{
    spacepressed = true;
}
