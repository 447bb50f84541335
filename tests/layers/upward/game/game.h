// The top layer may use every folder of the layers, but nothing else of the
// tree and nothing outside it.
#include "genetics/population.h"
#include "selection/screening.h"
#include "trials/trial.h"
#include "tests/support/dialogue.h"
#include "../../outside.h"
