// Files that the player keeps open in another program between tasks.
#pragma once

#include <string>

#include "game/console.h"
#include "game/file_channel.h"

namespace tf {

// Opens `name` for writing; while the file exists but may not be written
// (a spreadsheet holds it, or it is read-only), asks the player to close it
// and tries again after <Enter>. `shown` is the file's name in the message.
void open_write_when_closed(Console& con, FileChannel& files, const std::string& name,
                            const std::string& shown);

}  // namespace tf
