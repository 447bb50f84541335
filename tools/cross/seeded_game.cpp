// seeded_game: a test driver, not the game. Runs one game in-process in the
// current folder on the standard streams, its random stream seeded from the
// command line instead of the clock, so that two builds of the game (two
// systems, two compilers) can be held to the same game.
//
//   seeded_game SEED [SNAPSHOT_FOLDER]
//
// Input lines that begin with '@' are the driver's own and never reach the
// game; each acts when the game asks for its next line:
//   @# text          a comment
//   @keep ID...      Results.csv keeps its header rows and the rows of these
//                    IDs, as a player's edit in a spreadsheet would leave it
//   @handshake NAME  creates the file NAME, then waits (60 s at most) until
//                    another program has removed it
// With SNAPSHOT_FOLDER, Results.csv is copied there whenever the game asks for
// a line, as Results.N.csv (N lines given so far), and when it ends, as
// Results.end.csv, each time only if it changed since the last copy: the
// table as the player finds it at each prompt.
// The exit status is the game's.
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <sstream>
#include <streambuf>
#include <string>
#include <thread>

#include "game/main_program.h"
#include "text/standard_streams.h"

namespace {

namespace fs = std::filesystem;

std::string read_bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_bytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

// The whole of `text` as a decimal integer, blanks around it allowed.
bool whole_integer(const std::string& text, long& value) {
  std::istringstream in(text);
  in >> value;
  if (in.fail()) return false;
  in >> std::ws;
  return in.eof();
}

// Keeps the rows of Results.csv whose first cell is not an ID (the header
// rows) and those whose ID is listed; line ends stay as written.
void keep_rows(const fs::path& results, const std::string& ids_text) {
  std::set<long> ids;
  std::istringstream list(ids_text);
  for (long id; list >> id;) ids.insert(id);
  const std::string bytes = read_bytes(results);
  std::string kept;
  for (std::size_t start = 0; start < bytes.size();) {
    std::size_t end = bytes.find('\n', start);
    end = end == std::string::npos ? bytes.size() : end + 1;
    const std::string row = bytes.substr(start, end - start);
    long id = 0;
    if (!whole_integer(row.substr(0, row.find(',')), id) || ids.count(id) != 0) kept += row;
    start = end;
  }
  write_bytes(results, kept);
}

bool handshake(const fs::path& name) {
  write_bytes(name, "");
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  std::error_code ec;
  while (fs::exists(name, ec)) {
    if (std::chrono::steady_clock::now() > limit) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

// The game's console input: the script's lines less the driver's own, each
// handed over only when the game asks for it.
class DriverInput : public std::streambuf {
 public:
  DriverInput(std::istream& script, fs::path snapshots)
      : script_(script), snapshots_(std::move(snapshots)) {}

  // Copies Results.csv as Results.<stage>.csv when it changed since the last copy.
  void snapshot(const std::string& stage) {
    if (snapshots_.empty()) return;
    const std::string now = read_bytes("Results.csv");
    if (now == last_) return;
    last_ = now;
    write_bytes(snapshots_ / ("Results." + stage + ".csv"), now);
  }

 protected:
  int_type underflow() override {
    if (gptr() != nullptr && gptr() < egptr()) return traits_type::to_int_type(*gptr());
    snapshot(std::to_string(given_));
    std::string line;
    while (std::getline(script_, line)) {
      if (line.empty() || line[0] != '@') break;
      if (line.rfind("@keep", 0) == 0) {
        keep_rows("Results.csv", line.substr(5));
      } else if (line.rfind("@handshake ", 0) == 0) {
        if (!handshake(line.substr(11))) {
          std::cerr << "seeded_game: nobody removed " << line.substr(11) << '\n';
          return traits_type::eof();
        }
      } else if (line.rfind("@#", 0) != 0) {
        std::cerr << "seeded_game: unknown directive " << line << '\n';
        return traits_type::eof();
      }
    }
    if (!script_) return traits_type::eof();
    ++given_;
    current_ = line + '\n';
    setg(current_.data(), current_.data(), current_.data() + current_.size());
    return traits_type::to_int_type(*gptr());
  }

 private:
  std::istream& script_;
  fs::path snapshots_;
  std::string last_;
  std::string current_;
  long given_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  long seed = 0;
  if (argc < 2 || argc > 3 || !whole_integer(argv[1], seed)) {
    std::cerr << "usage: seeded_game SEED [SNAPSHOT_FOLDER]\n";
    return 64;
  }
  // The game's own standard streams: binary on Windows, as in the game.
  tf::StandardStreams streams;
  DriverInput input(streams.in(), argc == 3 ? fs::path(argv[2]) : fs::path());
  std::istream in(&input);
  const int status = tf::run_game(
      {in, streams.out(), streams.err(), fs::current_path(), static_cast<std::int32_t>(seed)});
  input.snapshot("end");
  return status;
}
