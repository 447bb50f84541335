// A whole game on arbitrary console input: the shipped genome files, three
// small crosses and a fixed seed, so that every run is quick and repeatable.
// The game ends at the latest when its input does (the fatal report at the
// next prompt or Enter wait); it must end with status 0 and nothing on the
// error stream, or status 255 and the three-line report of a failed
// operation, never an internal error.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "game/main_program.h"
#include "support.h"

namespace {

using tf::fuzz::require;

// 30 plants from parents among those whose lines can meet the release standards.
const char* const kCrosses = "1,5,4\n9,14,3\n11,1,2\n";
constexpr std::int32_t kSeed = -12;

int count_lines(const std::string& text, const std::string& start) {
  int lines = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    if (text.compare(at, start.size(), start) != 0) return -1;
    const std::size_t end = text.find('\n', at);
    if (end == std::string::npos) return -1;
    at = end + 1;
    ++lines;
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  tf::fuzz::scratch().add_genome_files();
  tf::fuzz::write_file("Crosses.csv", kCrosses);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out;
  std::ostringstream err;
  const int status = tf::run_game(tf::GameIo{in, out, err, tf::fuzz::scratch_dir(), kSeed});
  if (status == tf::kExitNormal) {
    require(err.str().empty(), "a normal end wrote to the error stream");
  } else {
    require(status == tf::kExitFatal, "an exit status other than 0 or 255");
    require(err.str().rfind("? Tillerfold stopped: internal error\n", 0) != 0, "an internal error");
    require(count_lines(err.str(), "? ") == 3, "the fatal report is not three lines");
  }
  return 0;
}
