// The seed of the run's random stream, read from the clock when the main
// program starts. The genetic simulation only takes its seed.
#pragma once

#include <cstdint>

#include "genetics/ran2.h"

namespace tf {

// The seed of the clock: minus the sum of the local minute, second and
// millisecond (-1118..0).
std::int32_t clock_seed();

// Sets the stream's `idum` from the clock. The second argument (the main
// program's ERRFLAG) is neither read nor written.
void seeder(RandomStream& s, std::int32_t& errflag);

}  // namespace tf
