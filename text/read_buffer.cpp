#include "text/read_buffer.h"

#include <cerrno>
#include <utility>

#include "text/fatal.h"

namespace tf {

namespace {
constexpr std::size_t kReadBlock = 1 << 16;
}  // namespace

ReadBuffer::ReadBuffer(std::FILE* in, std::string operation, Reads reads)
    : in_(in), operation_(std::move(operation)), reads_(reads), block_(kReadBlock) {}

std::size_t ReadBuffer::read_line_bytes() {
  std::size_t got = 0;
  while (got < block_.size()) {
    const int c = std::getc(in_);
    if (c == EOF) break;
    block_[got++] = static_cast<char>(c);
    if (c == '\n') break;
  }
  return got;
}

std::streambuf::int_type ReadBuffer::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  errno = 0;
  const std::size_t got = reads_ == Reads::kLines
                              ? read_line_bytes()
                              : std::fread(block_.data(), 1, block_.size(), in_);
  // A failure after some bytes is reported at the next read, once those
  // bytes have been taken.
  if (std::ferror(in_) != 0 && error_ == 0) error_ = errno != 0 ? errno : EIO;
  if (got == 0) {
    if (error_ != 0) throw FatalIoError::system(error_, operation_);
    return traits_type::eof();
  }
  setg(block_.data(), block_.data(), block_.data() + got);
  return traits_type::to_int_type(*gptr());
}

}  // namespace tf
