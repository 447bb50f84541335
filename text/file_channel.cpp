#include "text/file_channel.h"

#include <cerrno>
#include <new>
#include <system_error>
#include <utility>

#include "text/fatal.h"
#include "text/read_buffer.h"

namespace tf {

namespace {
constexpr std::size_t kWriteBlock = 1 << 20;

// errno as the failed call left it, or EIO where the C library set none.
int last_error() { return errno != 0 ? errno : EIO; }

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using OwnedFile = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

struct FileChannel::Reading {
  Reading(OwnedFile in, std::string operation)
      : file(std::move(in)), buffer(file.get(), operation), lines(buffer, std::move(operation)) {}

  OwnedFile file;
  ReadBuffer buffer;  // a failed read throws the fatal report out of it
  LineSource lines;
};

FileChannel::FileChannel(std::filesystem::path dir) : dir_(std::move(dir)) {}

FileChannel::~FileChannel() {
  // Files still open when the run ends (normally or by a fatal report) are
  // closed with their contents complete; errors can no longer be reported.
  if (out_ != nullptr) {
    std::fwrite(buffer_.data(), 1, buffer_.size(), out_);
    std::fclose(out_);
  }
}

std::FILE* FileChannel::open_file(const std::filesystem::path& path, const char* mode) {
#ifdef _WIN32
  // Wide names keep folders whose names are not in the local code page.
  const std::wstring wide_mode(mode, mode + std::char_traits<char>::length(mode));
  return ::_wfopen(path.c_str(), wide_mode.c_str());
#else
  return std::fopen(path.c_str(), mode);
#endif
}

bool FileChannel::exists(const std::string& name) const {
  std::error_code ec;
  return std::filesystem::exists(dir_ / name, ec);
}

std::string FileChannel::operation(const char* verb) const {
  return std::string(verb) + " " + name_ + " on the file channel";
}

std::string FileChannel::read_operation() const { return operation("Reading"); }

std::FILE* FileChannel::open_named(const std::string& name, const char* mode) {
  name_ = name;
  const std::filesystem::path path = dir_ / name;
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    errno = EISDIR;
    return nullptr;
  }
  return open_file(path, mode);
}

bool FileChannel::try_open_read(const std::string& name) {
  OwnedFile in(open_named(name, "rb"));
  if (in == nullptr) return false;
  reading_ = std::make_unique<Reading>(std::move(in), read_operation());
  open_ = true;
  return true;
}

void FileChannel::open_read(const std::string& name) {
  if (!try_open_read(name)) throw FatalIoError::system(last_error(), operation("Opening"));
}

LineSource& FileChannel::source() { return reading_->lines; }

void FileChannel::read_or_fatal(std::vector<Item>& items) {
  switch (read_free(reading_->lines, items)) {
    case ReadOutcome::kMade:
      return;
    case ReadOutcome::kEnd:
      throw FatalIoError::past_end(read_operation());
    case ReadOutcome::kUnreadable:
      throw FatalIoError::illegal_character(read_operation());
  }
}

bool FileChannel::try_open_write(const std::string& name) {
  out_ = open_named(name, "wb");
  if (out_ == nullptr) {
    // A file that is there but refused is waited for, whatever its kind; a
    // folder (EISDIR) is no file to wait for and ends the run.
    const int open_errno = last_error();
    const bool refused = open_errno == EACCES || open_errno == EPERM || open_errno == EROFS;
    if (refused && exists(name)) return false;
    throw FatalIoError::system(open_errno, operation("Opening"));
  }
  buffer_.clear();
  open_ = true;
  return true;
}

void FileChannel::write(std::string_view text) {
  try {
    buffer_.append(text);
  } catch (const std::bad_alloc&) {
    throw FatalIoError::system(ENOMEM, operation("Writing"));
  }
  if (buffer_.size() >= kWriteBlock) flush_buffer();
}

void FileChannel::flush_buffer() {
  if (buffer_.empty()) return;
  errno = 0;
  if (std::fwrite(buffer_.data(), 1, buffer_.size(), out_) != buffer_.size()) fail_write();
  buffer_.clear();
}

void FileChannel::fail_write() {
  const int write_errno = last_error();
  std::fclose(out_);
  out_ = nullptr;
  open_ = false;
  throw FatalIoError::system(write_errno, operation("Writing"));
}

void FileChannel::close() {
  if (out_ != nullptr) {
    flush_buffer();
    // The C library's own buffer is written here, so that a refused write
    // (a full disk, the file-size limit) is reported as the write it is.
    errno = 0;
    if (std::fflush(out_) != 0) fail_write();
    std::FILE* out = out_;
    out_ = nullptr;
    open_ = false;
    errno = 0;
    if (std::fclose(out) != 0) throw FatalIoError::system(last_error(), operation("Closing"));
    return;
  }
  reading_.reset();
  open_ = false;
}

}  // namespace tf
