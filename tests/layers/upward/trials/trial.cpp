// A relative include reaches around the include roots.
#include <vector>

#include "../game/game.h"
#include "trials/trial.h"
