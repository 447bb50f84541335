// genetics/ uses no other folder: text/ lies beside it, not below.
#include <vector>

#include "genetics/geno.h"
#include "text/console.h"
