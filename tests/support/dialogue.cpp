#include "support/dialogue.h"

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

#include "game/main_program.h"

namespace tf::test {

namespace {
std::atomic<int> counter{0};
}  // namespace

int count_of(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

std::string slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TempDir::TempDir() {
  const auto base = std::filesystem::temp_directory_path();
  for (;;) {
    path_ =
        base / ("tillerfold-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    if (std::filesystem::create_directory(path_)) break;
  }
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

void write_file(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

void TempDir::write(const std::string& name, const std::string& contents) const {
  write_file(path_ / name, contents);
}

std::string TempDir::read(const std::string& name) const { return slurp(path_ / name); }

void TempDir::add_genome_files() const {
  for (const char* name : {"zForbidden.csv", "zHandsOff.csv", "zKeepOut.csv"}) {
    std::filesystem::copy_file(std::filesystem::path(TF_DATA_DIR) / name, path_ / name,
                               std::filesystem::copy_options::overwrite_existing);
  }
}

void FlakyChannel::fail_opens(const char* mode, int pass, int count, int error) {
  mode_ = mode;
  pass_ = pass;
  count_ = count;
  error_ = error;
}

std::FILE* FlakyChannel::open_file(const std::filesystem::path& path, const char* mode) {
  if (mode_ == mode && count_ > 0) {
    if (pass_ > 0) {
      --pass_;
    } else {
      --count_;
      errno = error_;
      return nullptr;
    }
  }
  return FileChannel::open_file(path, mode);
}

std::string unprivileged_wrapper() {
  return ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups" : "";
}

std::string reachable_binary() {
  // A copy in a folder of its own under the temporary folder, made once per
  // test program: the build may lie where another user cannot go (/root).
  static const std::filesystem::path copy = [] {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() / ("tillerfold-bin-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path binary = folder / "tillerfold";
    fs::copy_file(TF_BINARY, binary, fs::copy_options::overwrite_existing);
    const auto everyone = fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                          fs::perms::others_read | fs::perms::others_exec;
    fs::permissions(folder, everyone);
    fs::permissions(binary, everyone);
    std::atexit([] {
      std::error_code ec;
      fs::remove_all(fs::temp_directory_path() / ("tillerfold-bin-" + std::to_string(::getpid())),
                     ec);
    });
    return binary;
  }();
  return copy.string();
}

namespace {

// The shell command of a run in `dir`, its output into .stdout and .stderr.
std::string program_command(const TempDir& dir, const std::string& clock,
                            const std::string& wrapper) {
  const std::string binary = wrapper.empty() ? std::string(TF_BINARY) : reachable_binary();
  // faketime preloads its library ahead of the sanitizers' runtime; the
  // sanitizer build accepts that order.
  return "cd '" + dir.path().string() + "' && TZ=UTC ASAN_OPTIONS=verify_asan_link_order=0 " +
         wrapper + " faketime -f '" + clock + "' '" + binary + "' > .stdout 2> .stderr";
}

RunResult collect(const TempDir& dir, int raw) {
  RunResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.out = dir.read(".stdout");
  result.err = dir.read(".stderr");
  std::filesystem::remove(dir.path() / ".stdout");
  std::filesystem::remove(dir.path() / ".stderr");
  return result;
}

}  // namespace

RunResult run_program(const TempDir& dir, const std::string& input, const std::string& clock,
                      const std::string& wrapper) {
  dir.write(".stdin", input);
  const std::string command = program_command(dir, clock, wrapper) + " < .stdin";
  const int raw = std::system(command.c_str());
  std::filesystem::remove(dir.path() / ".stdin");
  return collect(dir, raw);
}

RunResult run_program_steps(const TempDir& dir, const std::vector<Step>& steps,
                            const std::string& clock, const std::string& wrapper) {
  // A program that ended early closes the pipe: the write then fails rather
  // than killing the test.
  const auto old_handler = std::signal(SIGPIPE, SIG_IGN);
  std::FILE* in = ::popen(program_command(dir, clock, wrapper).c_str(), "w");
  if (in == nullptr) throw std::runtime_error("cannot start the program");
  for (const Step& step : steps) {
    // Waits (a minute at most) until the program has asked for the line.
    for (int tries = 0; count_of(dir.read(".stdout"), step.after) < step.times; ++tries) {
      if (tries == 6000) {
        ADD_FAILURE() << "the program never showed \"" << step.after << "\" " << step.times
                      << " times";
        break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (step.before) step.before();
    std::fputs((step.text + "\n").c_str(), in);
    std::fflush(in);
  }
  const int raw = ::pclose(in);
  std::signal(SIGPIPE, old_handler);
  return collect(dir, raw);
}

RunResult run_in_process(const TempDir& dir, const std::string& input, std::int32_t seed) {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  RunResult result;
  result.status = run_game(GameIo{in, out, err, dir.path(), seed});
  result.out = out.str();
  result.err = err.str();
  return result;
}

}  // namespace tf::test
