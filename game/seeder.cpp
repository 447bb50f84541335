#include "game/seeder.h"

#include <chrono>
#include <ctime>

namespace tf {

std::int32_t clock_seed() {
  using std::chrono::system_clock;
  const system_clock::time_point now = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(now);
  const std::tm local = *std::localtime(&seconds);  // one thread: the shared result is safe
  const auto since_epoch = now.time_since_epoch();
  const auto millis =
      std::chrono::duration_cast<std::chrono::milliseconds>(since_epoch).count() % 1000;
  return -static_cast<std::int32_t>(local.tm_min + local.tm_sec + millis);
}

void seeder(RandomStream& s, std::int32_t& /*errflag*/) { s.idum = clock_seed(); }

}  // namespace tf
