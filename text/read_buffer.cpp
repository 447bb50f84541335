#include "text/read_buffer.h"

#include <cerrno>
#include <chrono>
#include <thread>
#include <utility>

#include "text/fatal.h"

namespace tf {

namespace {
constexpr std::size_t kReadBlock = 1 << 16;

// How long a read waits before it asks again for input that was not there.
constexpr std::chrono::milliseconds kRetryPause(10);

// The error of a read of input that is not there yet, on a stream that
// another program left non-blocking.
bool try_again(int error) { return error == EAGAIN || error == EWOULDBLOCK; }
}  // namespace

ReadBuffer::ReadBuffer(std::FILE* in, std::string operation, Reads reads)
    : in_(in), operation_(std::move(operation)), reads_(reads), block_(kReadBlock) {}

std::size_t ReadBuffer::read_line_bytes() {
  std::size_t got = 0;
  while (got < block_.size()) {
    const int c = std::getc(in_);
    if (c == EOF) {
      if (std::ferror(in_) == 0 || !try_again(errno)) break;
      // Every read waits until its line has arrived: the error is cleared
      // and the read made again, and the bytes taken so far stay.
      std::clearerr(in_);
      errno = 0;
      std::this_thread::sleep_for(kRetryPause);
      continue;
    }
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
