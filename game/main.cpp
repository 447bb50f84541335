#include <filesystem>
#include <iostream>

#include "game/main_program.h"

int main() {
  std::ios::sync_with_stdio(false);
  return tf::run_game({std::cin, std::cout, std::cerr, std::filesystem::current_path(), {}});
}
