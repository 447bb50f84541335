// genetics/ uses no other folder.
#include "text/console.h"
