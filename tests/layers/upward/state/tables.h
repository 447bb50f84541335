// A folder above.
#include "genetics/geno.h"
#include "results/readback.h"
