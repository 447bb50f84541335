// Reached by a relative include from trials/, which may use results/.
#include "state/tables.h"
