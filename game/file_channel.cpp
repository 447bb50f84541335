#include "game/file_channel.h"

#include <cerrno>
#include <system_error>

#include "game/fatal.h"

namespace tf {

namespace {
constexpr std::size_t kReadBlock = 1 << 16;
constexpr std::size_t kWriteBlock = 1 << 20;

// errno as the failed call left it, or EIO where the C library set none.
int last_error() { return errno != 0 ? errno : EIO; }
}  // namespace

FileReadBuffer::FileReadBuffer(std::FILE* in, std::string operation)
    : in_(in), operation_(std::move(operation)), block_(kReadBlock) {}

FileReadBuffer::~FileReadBuffer() { std::fclose(in_); }

FileReadBuffer::int_type FileReadBuffer::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  errno = 0;
  const std::size_t got = std::fread(block_.data(), 1, block_.size(), in_);
  if (got == 0) {
    if (std::ferror(in_) != 0) throw FatalIoError::system(last_error(), operation_);
    return traits_type::eof();
  }
  setg(block_.data(), block_.data(), block_.data() + got);
  return traits_type::to_int_type(*gptr());
}

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
  in_buffer_ = std::make_unique<FileReadBuffer>(in, read_operation());
  in_ = std::make_unique<std::istream>(in_buffer_.get());
  // A failed read inside the buffer reaches the caller as its fatal report.
  in_->exceptions(std::ios::badbit);
  source_ = std::make_unique<LineSource>(*in_);
  open_ = true;
  return true;
}

void FileChannel::open_read(const std::string& name) {
  if (!try_open_read(name)) throw FatalIoError::system(last_error(), operation("Opening"));
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

bool FileChannel::try_open_write(const std::string& name) {
  name_ = name;
  const std::filesystem::path path = dir_ / name;
  std::error_code ec;
  // A folder is no file to wait for; every system reports it alike.
  if (std::filesystem::is_directory(path, ec)) {
    throw FatalIoError::system(EISDIR, operation("Opening"));
  }
  out_ = open_file(path, "wb");
  if (out_ == nullptr) {
    const int open_errno = last_error();
    const bool refused = open_errno == EACCES || open_errno == EPERM || open_errno == EROFS;
    if (refused && std::filesystem::is_regular_file(path, ec)) return false;
    throw FatalIoError::system(open_errno, operation("Opening"));
  }
  buffer_.clear();
  open_ = true;
  return true;
}

void FileChannel::write(std::string_view text) {
  buffer_.append(text);
  if (buffer_.size() >= kWriteBlock) flush_buffer();
}

void FileChannel::flush_buffer() {
  if (buffer_.empty()) return;
  if (std::fwrite(buffer_.data(), 1, buffer_.size(), out_) != buffer_.size()) {
    const int write_errno = last_error();
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
    if (std::fclose(out) != 0) throw FatalIoError::system(last_error(), operation("Closing"));
    return;
  }
  source_.reset();
  in_.reset();
  in_buffer_.reset();
  open_ = false;
}

}  // namespace tf
