// The top layer may include every folder.
#include "genetics/population.h"
#include "trials/trial.h"
