#include "support/dialogue.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>

#include "game/main_program.h"

namespace tf::test {

namespace {
std::atomic<int> counter{0};
// Test programs run side by side; a random tag of each process keeps their
// folders apart (a name already taken is skipped all the same).
const std::string process_tag = std::to_string(std::random_device{}());
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
    path_ = base / ("tillerfold-test-" + process_tag + "-" + std::to_string(counter++));
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
