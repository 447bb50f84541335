#include <csignal>
#include <filesystem>
#include <iostream>

#include "game/main_program.h"

int main() {
#ifdef SIGPIPE
  // A reader of the output that has gone is a failed console write, reported
  // like any other, rather than a silent end of the process.
  std::signal(SIGPIPE, SIG_IGN);
#endif
  std::ios::sync_with_stdio(false);
  return tf::run_game({std::cin, std::cout, std::cerr, std::filesystem::current_path(), {}});
}
