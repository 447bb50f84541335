// The bytes of a C library file open for reading, block by block, as a
// stream buffer. A failed read throws the fatal report of the buffer's
// operation, with the operating system's text for the error, out of
// whatever reads through it: a refused read is never taken for the end of
// the input.
#pragma once

#include <cstdio>
#include <streambuf>
#include <string>
#include <vector>

namespace tf {

class ReadBuffer : public std::streambuf {
 public:
  // How much one read of the C library asks for: a whole block (a file), or
  // no more than one line (the console, where a block would wait for input
  // that the player has not typed yet). A line read also waits on input
  // that another program left non-blocking, where the system answers "try
  // again" until the input is there.
  enum class Reads { kBlocks, kLines };

  // `in` stays open and is the caller's to close; `operation` is the third
  // line of the report ("Reading Crosses.csv on the file channel").
  ReadBuffer(std::FILE* in, std::string operation, Reads reads = Reads::kBlocks);

 protected:
  int_type underflow() override;

 private:
  // Fills the block up to a line feed; the number of bytes taken.
  std::size_t read_line_bytes();

  std::FILE* in_;
  std::string operation_;
  Reads reads_;
  std::vector<char> block_;
  int error_ = 0;  // errno of a failed read, 0 while none failed
};

}  // namespace tf
