// Only the fixed sizes of text/ are allowed here.
#include "text/console.h"
#include "text/sizes.h"
