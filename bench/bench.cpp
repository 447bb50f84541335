// The benchmark of the largest games: each step's time against the time of
// drawing its deviates in a bare loop, and the peak resident memory of the
// games. Every measurement runs in a child process of its own, so that its
// memory is its own.
//
//   tillerfold_bench [--small] [--repeat N]   (medians of N runs, default 3)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/main_program.h"
#include "game/populations.h"
#include "game/startup.h"
#include "genetics/ran2.h"
#include "selection/f2_predictions.h"
#include "trials/trial.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

double seconds_since(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Console output that notes when given texts are first written, so that a
// step inside a whole game can be timed from the dialogue.
class MarkerClock : public std::streambuf {
 public:
  explicit MarkerClock(std::vector<std::string> markers)
      : markers_(std::move(markers)), seen_(markers_.size()) {}
  // Seconds from the first marker to marker `i`; negative when not seen.
  double at(std::size_t i) const {
    if (!seen_[i] || !seen_[0]) return -1.0;
    return std::chrono::duration<double>(*seen_[i] - *seen_[0]).count();
  }

 protected:
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    tail_.append(s, static_cast<std::size_t>(n));
    for (std::size_t i = 0; i < markers_.size(); ++i) {
      // Each marker counts only after the one before it.
      if (!seen_[i] && (i == 0 || seen_[i - 1]) && tail_.find(markers_[i]) != std::string::npos) {
        seen_[i] = Clock::now();
        tail_.clear();
      }
    }
    if (tail_.size() > 4096) tail_.erase(0, tail_.size() - 256);
    return n;
  }
  int_type overflow(int_type c) override {
    if (c != traits_type::eof()) {
      const char ch = static_cast<char>(c);
      xsputn(&ch, 1);
    }
    return c;
  }

 private:
  std::vector<std::string> markers_;
  std::vector<std::optional<Clock::time_point>> seen_;
  std::string tail_;
};

// A play folder with the shipped genome files and the given crosses.
fs::path make_folder(const std::string& name, const std::vector<std::array<int, 3>>& crosses) {
  const fs::path dir = fs::temp_directory_path() / ("tillerfold-bench-" + name);
  fs::create_directories(dir);
  for (const char* file : {"zForbidden.csv", "zHandsOff.csv", "zKeepOut.csv"}) {
    fs::copy_file(fs::path(TF_DATA_DIR) / file, dir / file, fs::copy_options::overwrite_existing);
  }
  std::ofstream out(dir / "Crosses.csv", std::ios::trunc);
  for (const auto& c : crosses) out << c[0] << ',' << c[1] << ',' << c[2] << '\n';
  return dir;
}

// Every cross that passes the check: 105 pairs and 15 self-crosses.
std::vector<std::array<int, 3>> all_crosses(int size) {
  std::vector<std::array<int, 3>> crosses;
  for (int a = 1; a <= 15; ++a) {
    for (int b = a; b <= 15; ++b) crosses.push_back({a, b, size});
  }
  return crosses;
}

// The largest game that reaches task 3: the 10 crosses among the
// non-carriers 2, 3, 10, 12, which the screening drops free of charge, and
// `segregating` plants of carrier x non-carrier crosses.
std::vector<std::array<int, 3>> task3_crosses(int size, int segregating) {
  const int non[] = {2, 3, 10, 12};
  std::vector<std::array<int, 3>> crosses;
  for (int i = 0; i < 4; ++i) {
    for (int j = i; j < 4; ++j) crosses.push_back({non[i], non[j], size});
  }
  const int carriers[] = {1, 4, 5, 6, 7, 8, 9, 11, 13, 14, 15};
  for (int c = 0; segregating > 0; ++c) {
    const int n = segregating < size ? segregating : size;
    crosses.push_back({carriers[c % 11], non[c / 11], n});
    segregating -= n;
  }
  return crosses;
}

// The two-parent crosses of `n` plants each, until `total` plants.
std::vector<std::array<int, 3>> plain_crosses(int total, int size) {
  std::vector<std::array<int, 3>> crosses;
  for (int a = 1; a <= 15 && total > 0; ++a) {
    for (int b = a + 1; b <= 15 && total > 0; ++b) {
      const int n = total < size ? total : size;
      crosses.push_back({a, b, n});
      total -= n;
    }
  }
  return crosses;
}

// The time of `draws` deviates drawn in a bare loop.
double bare_draws(std::int64_t draws) {
  tf::RandomStream stream;
  stream.idum = -1;
  float sum = 0.0F;
  const auto start = Clock::now();
  for (std::int64_t i = 0; i < draws; ++i) sum += tf::ran2(stream);
  const double t = seconds_since(start);
  if (sum < 0.0F) std::puts("");  // keeps the loop
  return t;
}

// A game built in-process by the game's own start-up, up to its first menu,
// for the steps that no game with $250,000 could pay for.
struct BuiltGame {
  explicit BuiltGame(const fs::path& dir, const std::string& script)
      : in(script), con(in, out), files(dir) {
    if (tf::start_up(game, -1)) std::abort();  // the bench's crosses are always accepted
  }
  // Task 3 once it is paid for.
  void make_lines() { tf::make_inbred_lines(con, game.genome, game.state, game.entries); }
  std::istringstream in;
  std::ostringstream out;
  tf::Console con;
  tf::FileChannel files;
  tf::Game game{con, files, {}, {}, {}, {}, {}, {}};
};

struct Measured {
  double seconds = -1.0;
  long peak_kb = 0;
};

// Runs `step` in a child process; it returns seconds, which come back
// through a pipe with the child's peak resident memory.
Measured in_child(const std::function<double()>& step) {
  int fd[2];
  if (pipe(fd) != 0) return {};
  const pid_t pid = fork();
  if (pid == 0) {
    close(fd[0]);
    const double t = step();
    if (write(fd[1], &t, sizeof t) != static_cast<ssize_t>(sizeof t)) _exit(1);
    _exit(0);
  }
  close(fd[1]);
  Measured m;
  if (read(fd[0], &m.seconds, sizeof m.seconds) != static_cast<ssize_t>(sizeof m.seconds)) {
    m.seconds = -1.0;
  }
  close(fd[0]);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  // ru_maxrss counts bytes on macOS, kilobytes on Linux.
#ifdef __APPLE__
  m.peak_kb = usage.ru_maxrss / 1024;
#else
  m.peak_kb = usage.ru_maxrss;
#endif
  return m;
}

// Runs per measurement (--repeat).
int repeat = 3;

// The median time of `repeat` runs of `step`, each in a child of its own,
// and the largest peak memory among them.
Measured median_of(const std::function<double()>& step) {
  std::vector<double> times;
  long peak = 0;
  for (int i = 0; i < repeat; ++i) {
    const Measured m = in_child(step);
    times.push_back(m.seconds);
    peak = std::max(peak, m.peak_kb);
  }
  std::sort(times.begin(), times.end());
  return {times[times.size() / 2], peak};
}

// A whole game run in-process on `input`, timed between two dialogue markers.
double game_step(const fs::path& dir, const std::string& input, std::vector<std::string> markers,
                 std::size_t until) {
  MarkerClock clock(std::move(markers));
  std::ostream out(&clock);
  std::istringstream in(input);
  std::ostringstream err;
  tf::run_game(tf::GameIo{in, out, err, dir, -1});
  return clock.at(until);
}

void report(const char* step, const Measured& m, std::int64_t draws) {
  const Measured bare = median_of([&] { return bare_draws(draws); });
  std::printf("%-48s %8.3f s  bare draws %8.3f s  ratio %5.2f", step, m.seconds, bare.seconds,
              m.seconds / bare.seconds);
  if (m.peak_kb > 0) std::printf("  peak %6.1f MB", static_cast<double>(m.peak_kb) / 1024.0);
  std::printf("\n");
  std::fflush(stdout);
}

void report_plain(const char* step, const Measured& m) {
  std::printf("%-48s %8.3f s  peak %6.1f MB\n", step, m.seconds,
              static_cast<double>(m.peak_kb) / 1024.0);
  std::fflush(stdout);
}

void report_memory(const char* run, const Measured& m) {
  std::printf("%-48s peak resident memory %6.1f MB\n", run,
              static_cast<double>(m.peak_kb) / 1024.0);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  bool small = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--small") == 0) small = true;
    if (std::strcmp(argv[i], "--repeat") == 0 && i + 1 < argc)
      repeat = std::max(1, std::atoi(argv[++i]));
  }
  const int size = small ? 100 : 2000;           // plants per cross
  const int segregating = small ? 1600 : 32000;  // carrier x non-carrier plants
  const int trial_entries = small ? 1600 : 32000;
  const int f2_entries = small ? 600 : 12000;
  const std::int64_t kLoci = tf::NLOCI;

  // (b) start-up of the game of every cross, from the crosses to the first menu.
  const fs::path full = make_folder("full", all_crosses(size));
  const std::int64_t full_n = 120LL * size;
  const Measured startup = median_of([&] {
    return game_step(full, "\n", {" Creating F2 plants within each cross ...", "  Task : "}, 1);
  });
  report("start-up, every cross (to the first menu)", startup, full_n * 2 * kLoci);

  // (c) task 3 with its rescaling on the largest game that reaches it.
  const auto t3 = task3_crosses(size, segregating);
  std::int64_t t3_n = 0;
  for (const auto& c : t3) t3_n += c[2];
  const fs::path task3 = make_folder("task3", t3);
  const Measured lines = median_of([&] {
    return game_step(task3, "\n1\n3\n", {" Please wait ...", "  Task : "}, 1);
  });
  char label[96];
  std::snprintf(label, sizeof label, "task 3 and rescaling, %lld entries",
                static_cast<long long>(t3_n));
  report(label, lines, t3_n * 10 * kLoci);

  // rilines alone on every entry of the largest table.
  const Measured all_lines = median_of([&] {
    BuiltGame g(full, "\n");
    const auto start = Clock::now();
    g.make_lines();
    return seconds_since(start);
  });
  report("rilines and rescaling, every cross", all_lines, full_n * 10 * kLoci);

  // (d) a task 6 trial at 12 and 4 locations, table written and read back unedited.
  const fs::path trial = make_folder("trial", plain_crosses(trial_entries, size));
  const Measured trial6 = median_of([&] {
    BuiltGame g(trial, "\n12\n4\n\n");
    g.make_lines();
    g.game.state.balance = 1.0e9F;
    g.game.state.task = tf::TaskCode::kThreeTraitTrial;
    const auto start = Clock::now();
    tf::Game& game = g.game;
    tf::phen3(g.con, g.files, game.state, game.entries, game.columns, game.ve);
    return seconds_since(start);
  });
  report("task 6 trial at 12 + 4 locations, with read-back", trial6,
         2LL * trial_entries * (2 * 12 + 4));

  // (e) the F2 prediction table of every plant kept, written and read back.
  const fs::path f2 = make_folder("f2", plain_crosses(f2_entries, size));
  const Measured table = median_of([&] {
    BuiltGame g(f2, "\n\n");
    const auto start = Clock::now();
    tf::gwsf2(g.con, g.files, g.game.entries);
    return seconds_since(start);
  });
  report_plain("F2 prediction table, written and read back", table);

  // (f) peak resident memory of the two largest games, as whole runs.
  report_memory("whole run: every cross to the first menu", startup);
  report_memory("whole run: largest game through task 3", lines);

  for (const char* name : {"full", "task3", "trial", "f2"}) {
    std::error_code ec;
    fs::remove_all(fs::temp_directory_path() / (std::string("tillerfold-bench-") + name), ec);
  }
  return 0;
}
