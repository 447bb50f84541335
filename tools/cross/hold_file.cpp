// hold_file: a test helper for Windows. Holds a file open as a spreadsheet
// does, for reading with read sharing only: other programs may read the file
// but not write, replace or delete it. Driven through marker files:
//
//   hold_file FILE [TIMES]
//
// waits for FILE.hold, opens FILE and removes FILE.hold; then waits for
// FILE.release, closes FILE and removes FILE.release; all that TIMES times
// (once by default). Any wait longer than 60 seconds ends it with status 1;
// a file that cannot be opened, status 2.
#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <thread>

namespace {

namespace fs = std::filesystem;

bool await(const fs::path& marker) {
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  std::error_code ec;
  while (!fs::exists(marker, ec)) {
    if (std::chrono::steady_clock::now() > limit) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const int times = argc == 3 ? std::atoi(argv[2]) : 1;
  if (argc < 2 || argc > 3 || times < 1) {
    std::cerr << "usage: hold_file FILE [TIMES]\n";
    return 64;
  }
  const fs::path file = argv[1];
  const fs::path hold = fs::path(file) += ".hold";
  const fs::path release = fs::path(file) += ".release";
  for (int held = 0; held < times; ++held) {
    if (!await(hold)) return 1;
    const HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      std::cerr << "hold_file: cannot open " << file.string() << " (error " << GetLastError()
                << ")\n";
      return 2;
    }
    fs::remove(hold);
    if (!await(release)) return 1;
    CloseHandle(handle);
    fs::remove(release);
  }
  return 0;
}
