#include "game/file_channel.h"

#include <cerrno>
#include <system_error>

#include "game/fatal.h"

namespace tf {

namespace {
constexpr std::size_t kWriteBlock = 1 << 20;

// Opens a file by its path with a C stream mode. On Windows the name goes to
// the system as wide characters, so folder names outside ASCII open too; a
// file that another program holds fails there with EACCES. A folder fails on
// every system with EISDIR, which Windows itself reports as EACCES.
std::FILE* open_file(const std::filesystem::path& path, const char* mode) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    errno = EISDIR;
    return nullptr;
  }
#ifdef _WIN32
  const std::wstring wide_mode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(path.c_str(), wide_mode.c_str());
#else
  return std::fopen(path.c_str(), mode);
#endif
}
}  // namespace

FileChannel::FileChannel(std::filesystem::path dir) : dir_(std::move(dir)) {}

FileChannel::~FileChannel() {
  // Files still open when the run ends (normally or by a fatal report) are
  // closed with their contents complete; errors can no longer be reported.
  if (out_ != nullptr) {
    std::fwrite(buffer_.data(), 1, buffer_.size(), out_);
    std::fclose(out_);
  }
}

bool FileChannel::exists(const std::string& name) const {
  std::error_code ec;
  return std::filesystem::exists(dir_ / name, ec);
}

std::string FileChannel::operation(const char* verb) const {
  return std::string(verb) + " " + name_ + " on the file channel";
}

std::string FileChannel::read_operation() const { return operation("Reading"); }

bool FileChannel::try_open_read(const std::string& name) {
  name_ = name;
  const std::filesystem::path path = dir_ / name;
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    errno = EISDIR;
    return false;
  }
  std::FILE* in = open_file(path, "rb");
  if (in == nullptr) return false;
  std::string data;
  char block[1 << 16];
  std::size_t got;
  while ((got = std::fread(block, 1, sizeof block, in)) > 0) data.append(block, got);
  const bool failed = std::ferror(in) != 0;
  const int read_errno = errno;
  std::fclose(in);
  if (failed) throw FatalIoError::system(read_errno, operation("Reading"));
  contents_.str(std::move(data));
  contents_.clear();
  source_ = std::make_unique<LineSource>(contents_);
  open_ = true;
  return true;
}

void FileChannel::open_read(const std::string& name) {
  if (!try_open_read(name)) throw FatalIoError::system(errno, operation("Opening"));
}

void FileChannel::read_or_fatal(std::vector<Item>& items) {
  switch (read_free(*source_, items)) {
    case ReadOutcome::kMade:
      return;
    case ReadOutcome::kEnd:
      throw FatalIoError::past_end(read_operation());
    case ReadOutcome::kUnreadable:
      throw FatalIoError::illegal_character(read_operation());
  }
}

void FileChannel::open_write(const std::string& name) {
  name_ = name;
  const std::filesystem::path path = dir_ / name;
  out_ = open_file(path, "wb");
  if (out_ == nullptr) {
    const int open_errno = errno;
    std::error_code ec;
    // A file that exists but may not be written opens for reading only, and
    // its first write fails.
    const bool refused = open_errno == EACCES || open_errno == EPERM || open_errno == EROFS;
    if (refused && std::filesystem::is_regular_file(path, ec)) {
      throw FatalIoError::not_open_for_write(operation("Writing"));
    }
    throw FatalIoError::system(open_errno, operation("Opening"));
  }
  buffer_.clear();
  open_ = true;
}

void FileChannel::write(std::string_view text) {
  buffer_.append(text);
  if (buffer_.size() >= kWriteBlock) flush_buffer();
}

void FileChannel::flush_buffer() {
  if (buffer_.empty()) return;
  if (std::fwrite(buffer_.data(), 1, buffer_.size(), out_) != buffer_.size()) {
    const int write_errno = errno;
    std::fclose(out_);
    out_ = nullptr;
    open_ = false;
    throw FatalIoError::system(write_errno, operation("Writing"));
  }
  buffer_.clear();
}

void FileChannel::close() {
  if (out_ != nullptr) {
    flush_buffer();
    std::FILE* out = out_;
    out_ = nullptr;
    open_ = false;
    if (std::fclose(out) != 0) throw FatalIoError::system(errno, operation("Closing"));
    return;
  }
  source_.reset();
  contents_.str(std::string());
  open_ = false;
}

}  // namespace tf
