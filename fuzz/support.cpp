#include "support.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace tf::fuzz {

const test::TempDir& scratch() {
  static const test::TempDir dir;
  return dir;
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

void require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "fuzz target: %s\n", what);
  std::abort();
}

}  // namespace tf::fuzz
