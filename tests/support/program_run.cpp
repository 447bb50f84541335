// Runs of the built program through the shell under a frozen clock: built
// only where a POSIX shell runs; the clock needs faketime's library.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>
#include <thread>

#include "support/dialogue.h"

namespace tf::test {

std::string unprivileged_wrapper() {
  return ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups" : "";
}

bool frozen_clock_available() {
#ifdef TF_FAKETIME_LIBRARY
  std::error_code ec;
  return std::filesystem::exists(TF_FAKETIME_LIBRARY, ec);
#else
  return false;
#endif
}

namespace {

// The path of a copy of the built program that a user whom file permissions
// bind may run: a copy in a folder of its own under the temporary folder,
// made once per test program, as the build may lie where another user cannot
// go (/root).
std::string reachable_binary() {
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

// What goes in front of the program to freeze its clock at `clock`:
// faketime's library preloaded, set through `env` for the program alone and
// not for the shell or the wrapper. Preloaded this way the library makes its
// shared state only under a name that is free and runs without it
// otherwise: nothing that earlier runs left in the system stops a run.
std::string frozen_clock([[maybe_unused]] const std::string& clock) {
#ifdef TF_FAKETIME_LIBRARY
  if (frozen_clock_available()) {
#ifdef __APPLE__
    const std::string preload =
        "DYLD_INSERT_LIBRARIES='" TF_FAKETIME_LIBRARY "' DYLD_FORCE_FLAT_NAMESPACE=1";
#else
    const std::string preload = "LD_PRELOAD='" TF_FAKETIME_LIBRARY "'";
#endif
    return "env TZ=UTC FAKETIME='" + clock + "' " + preload;
  }
#endif
  throw std::logic_error("no frozen clock here: the test should have been skipped");
}

// The shell command of a run in `dir`, its output into .stdout and .stderr.
std::string program_command(const TempDir& dir, const std::string& clock,
                            const std::string& wrapper) {
  const std::string binary = wrapper.empty() ? std::string(TF_BINARY) : reachable_binary();
  // faketime's library is loaded ahead of the sanitizers' runtime; the
  // sanitizer build accepts that order.
  return "cd '" + dir.path().string() + "' && ASAN_OPTIONS=verify_asan_link_order=0 " + wrapper +
         " " + frozen_clock(clock) + " '" + binary + "' > .stdout 2> .stderr";
}

// Starts `command` in the shell with `input` as its standard input; the
// child's process id.
pid_t start_shell(const std::string& command, int input) {
  const pid_t child = ::fork();
  if (child < 0) throw std::system_error(errno, std::generic_category(), "fork");
  if (child == 0) {
    if (input != STDIN_FILENO) {
      ::dup2(input, STDIN_FILENO);
      ::close(input);
    }
    ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  return child;
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

// Whether the program's output holds `step.after` `step.times` times,
// waiting for it a minute at most, and no longer than the program runs
// (`ended` and the status `raw` once it has ended).
bool shown(const TempDir& dir, const Step& step, pid_t child, int& raw, bool& ended) {
  for (int tries = 0; tries < 6000; ++tries) {
    if (count_of(dir.read(".stdout"), step.after) >= step.times) return true;
    if (ended) return false;  // the output read after the end is all there is
    if (::waitpid(child, &raw, WNOHANG) == child) {
      ended = true;
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
  return false;
}

}  // namespace

RunResult run_built_program(const TempDir& dir, const std::string& input, const std::string& clock,
                            const std::string& wrapper) {
  dir.write(".stdin", input);
  const std::string command = program_command(dir, clock, wrapper) + " < .stdin";
  const int raw = std::system(command.c_str());
  std::filesystem::remove(dir.path() / ".stdin");
  return collect(dir, raw);
}

RunResult run_built_program_steps(const TempDir& dir, const std::vector<Step>& steps,
                                  const std::string& clock, const std::string& wrapper,
                                  Stdin mode) {
  const std::string command = program_command(dir, clock, wrapper);
  int ends[2];
  if (::pipe(ends) != 0) throw std::system_error(errno, std::generic_category(), "pipe");
  if (mode == Stdin::kNonBlocking &&
      ::fcntl(ends[0], F_SETFL, ::fcntl(ends[0], F_GETFL) | O_NONBLOCK) == -1) {
    throw std::system_error(errno, std::generic_category(), "fcntl");
  }
  ::fcntl(ends[1], F_SETFD, FD_CLOEXEC);  // the program's input ends when this end closes
  const pid_t child = start_shell(command, ends[0]);
  ::close(ends[0]);
  // A program that ended early closes the pipe: the write then fails rather
  // than killing the test.
  const auto old_handler = std::signal(SIGPIPE, SIG_IGN);
  std::FILE* in = ::fdopen(ends[1], "w");
  if (in == nullptr) throw std::system_error(errno, std::generic_category(), "fdopen");
  int raw = 0;
  bool ended = false;
  for (const Step& step : steps) {
    if (!shown(dir, step, child, raw, ended)) {
      ADD_FAILURE() << "the program never showed \"" << step.after << "\" " << step.times
                    << " times" << (ended ? " before it ended" : " within a minute");
      if (ended) break;
    }
    if (step.before) step.before();
    std::fputs((step.text + (step.line_end ? "\n" : "")).c_str(), in);
    std::fflush(in);
  }
  std::fclose(in);
  while (!ended && ::waitpid(child, &raw, 0) < 0 && errno == EINTR) {
  }
  std::signal(SIGPIPE, old_handler);
  return collect(dir, raw);
}

}  // namespace tf::test
