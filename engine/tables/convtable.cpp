// The conversation table and the scene it holds; the story script refills
// it at each scene.
#include "convtable.h"

std::map<Actors, PersonConv> script;
int scene = 0;
