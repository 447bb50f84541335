// A relative include is resolved beside the including file: the first
// reaches a folder above, the second one below. Then a folder beside.
#include <vector>

#include "../game/game.h"
#include "../results/readback.h"
#include "selection/screening.h"
#include "trials/trial.h"
