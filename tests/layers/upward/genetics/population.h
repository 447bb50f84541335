// genetics/ may use text/ below it, and nothing above it.
#include <vector>

#include "genetics/geno.h"
#include "state/tables.h"
#include "text/console.h"
