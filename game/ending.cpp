#include "game/ending.h"

namespace tf {

int ending_sequence(Console& con) {
  con.spacer();
  con.spacer();
  con.free_line(" Press <Enter> to EXIT");
  con.enter_wait();
  con.spacer();
  return kExitNormal;
}

}  // namespace tf
