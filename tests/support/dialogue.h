// Test support: a console on scripted input, a temporary working folder, a
// game in-process, and a run of the built program with the clock frozen (the
// last only where a POSIX shell runs, not on Windows, and where faketime's
// library was found).
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <sstream>
#include <streambuf>
#include <string>
#include <utility>
#include <vector>

#include "text/console.h"
#include "text/file_channel.h"

namespace tf::test {

// A console whose input is `script` and whose output is kept.
struct ScriptedConsole {
  explicit ScriptedConsole(const std::string& script = "") : in(script), con(in, out) {}
  std::istringstream in;
  std::ostringstream out;
  Console con;
};

// Console input typed line by line. Each line may come with an action that
// runs just before the line is handed to the reader: what the player does
// (editing Results.csv, say) before typing it.
class ScriptedInput : public std::streambuf {
 public:
  void add(std::string text, std::function<void()> before = {}) {
    lines_.push_back({std::move(text) + "\n", std::move(before)});
  }
  // Lines handed to the reader so far.
  std::size_t taken() const { return next_; }
  std::size_t size() const { return lines_.size(); }

 protected:
  int_type underflow() override {
    if (gptr() != nullptr && gptr() < egptr()) return traits_type::to_int_type(*gptr());
    if (next_ == lines_.size()) return traits_type::eof();
    Line& line = lines_[next_++];
    if (line.before) line.before();
    current_ = line.text;
    setg(current_.data(), current_.data(), current_.data() + current_.size());
    return traits_type::to_int_type(*gptr());
  }

 private:
  struct Line {
    std::string text;
    std::function<void()> before;
  };
  std::vector<Line> lines_;
  std::size_t next_ = 0;
  std::string current_;
};

// A file channel whose opens fail on cue, as when another program holds a
// file or removes it between two opens.
class FlakyChannel : public FileChannel {
 public:
  using FileChannel::FileChannel;
  // Of the coming opens in `mode` ("rb" or "wb"), lets `pass` through, then
  // fails `count` with the error number `error`.
  void fail_opens(const char* mode, int pass, int count, int error);

 protected:
  std::FILE* open_file(const std::filesystem::path& path, const char* mode) override;

 private:
  std::string mode_;
  int pass_ = 0;
  int count_ = 0;
  int error_ = 0;
};

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  void write(const std::string& name, const std::string& contents) const;
  std::string read(const std::string& name) const;
  // Copies the three shipped genome files into the folder.
  void add_genome_files() const;

 private:
  std::filesystem::path path_;
};

// What a run of the built program left.
struct RunResult {
  int status = -1;
  std::string out;
  std::string err;
};

// Whether runs of the built program can have their clock frozen (faketime's
// library was found at configuration and is still there). This and the
// declarations down to unprivileged_wrapper are defined in program_run.cpp,
// which is not built on Windows.
bool frozen_clock_available();

// The first statement of a test that runs the built program under a frozen
// clock: without faketime's library the test is skipped.
#define TF_SKIP_WITHOUT_FROZEN_CLOCK()                                                \
  do {                                                                                \
    if (!::tf::test::frozen_clock_available()) {                                      \
      GTEST_SKIP() << "faketime's library was not found at configuration: no frozen " \
                      "clock for the built program";                                  \
    }                                                                                 \
  } while (false)

// Runs the built program in `dir` with `input` on standard input, its clock
// frozen at `clock` ("YYYY-MM-DD HH:MM:SS", TZ=UTC) by faketime's library.
// `wrapper` goes in front of the program (for instance a change of user).
// This and the declarations down to unprivileged_wrapper are defined in
// program_run.cpp, which is not built on Windows.
RunResult run_built_program(const TempDir& dir, const std::string& input,
                            const std::string& clock = "2026-12-10 10:05:07",
                            const std::string& wrapper = "");

// A line typed into the running program once its output holds `after` at
// least `times` times; `before` runs just before it is typed (the player
// closing a file, say). Without `line_end` the text is typed without its
// line feed, and the line goes on in the next step.
struct Step {
  std::string after;
  int times = 1;
  std::string text;
  std::function<void()> before = {};
  bool line_end = true;
};

// The standard input of a run: a pipe as it comes, or one left non-blocking
// (by another program, say), whose reads answer "try again" while the pipe
// is empty.
enum class Stdin { kBlocking, kNonBlocking };

// Runs the built program as `run_built_program` does, with a pipe on standard
// input into which `steps` are typed one by one.
RunResult run_built_program_steps(const TempDir& dir, const std::vector<Step>& steps,
                                  const std::string& clock = "2026-12-10 10:05:07",
                                  const std::string& wrapper = "", Stdin mode = Stdin::kBlocking);

// The command that runs a program as a user whom file permissions bind, or
// "" when this process is such a user already.
std::string unprivileged_wrapper();

// A run of the game in-process on `input`, with its own streams and seed.
RunResult run_in_process(const TempDir& dir, const std::string& input, std::int32_t seed = -12);

// How many times `what` stands in `text`.
int count_of(const std::string& text, const std::string& what);

// The bytes of a file, and a file written with exactly `bytes`.
std::string slurp(const std::filesystem::path& path);
void write_file(const std::filesystem::path& path, const std::string& bytes);

}  // namespace tf::test
