// A folder beside, through the include path.
#include <trials/trial.h>
