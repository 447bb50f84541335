#include "game/closed_file.h"

namespace tf {

void open_write_when_closed(Console& con, FileChannel& files, const std::string& name,
                            const std::string& shown) {
  while (!files.try_open_write(name)) {
    con.free_line(" Make sure the " + shown + " file is closed");
    con.free_line(" Press <Enter> to continue");
    con.enter_wait();
  }
}

}  // namespace tf
