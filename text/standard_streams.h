// The console of the real program: standard input, output and error.
//
// Standard input is read through the C library a line at a time, so that a
// refused read (standard input that is a folder, or closed) ends the run
// with the operating system's text rather than as the end of the input. On
// Windows the three streams are put in binary mode: bytes pass as they are,
// no carriage return is added to a line feed, and a byte 26 is no end of
// input.
#pragma once

#include <istream>
#include <ostream>

#include "text/read_buffer.h"

namespace tf {

class StandardStreams {
 public:
  StandardStreams();
  StandardStreams(const StandardStreams&) = delete;
  StandardStreams& operator=(const StandardStreams&) = delete;

  std::istream& in() { return in_; }
  std::ostream& out();
  std::ostream& err();

 private:
  ReadBuffer in_buffer_;
  std::istream in_;
};

}  // namespace tf
