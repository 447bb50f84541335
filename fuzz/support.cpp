#include "support.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <system_error>

namespace tf::fuzz {

namespace {

class ScratchDir {
 public:
  ScratchDir() {
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    std::random_device random;
    do {
      path_ = base / ("tillerfold-fuzz-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(path_));
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace

const std::filesystem::path& scratch_dir() {
  static const ScratchDir dir;
  return dir.path();
}

void write_file(const std::string& name, const std::uint8_t* data, std::size_t size) {
  std::ofstream out(scratch_dir() / name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  out.close();
  require(static_cast<bool>(out), "the scratch folder could not be written");
}

void write_file(const std::string& name, const std::string& bytes) {
  write_file(name, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

void copy_shipped(const std::string& name) {
  std::filesystem::copy_file(std::filesystem::path(TF_DATA_DIR) / name, scratch_dir() / name,
                             std::filesystem::copy_options::overwrite_existing);
}

void require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "fuzz target: %s\n", what);
  std::abort();
}

}  // namespace tf::fuzz
