// The conversation table itself; the story script refills it at each scene.
#include "engine/convtable.h"

std::map<Actors, PersonConv> script;
