#include "text/standard_streams.h"

#include <csignal>
#include <cstdio>
#include <iostream>

#include "text/console.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace tf {

namespace {

// Done before the input buffer exists, so that not a byte is read in text
// mode.
std::FILE* prepared_stdin() {
#ifdef _WIN32
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
#ifdef SIGPIPE
  // A reader of the output that has gone is a failed console write, reported
  // like any other, rather than a silent end of the process.
  std::signal(SIGPIPE, SIG_IGN);
#endif
#ifdef SIGXFSZ
  // Likewise a write past the file-size limit fails (EFBIG) and is reported,
  // rather than ending the process.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  return stdin;
}

}  // namespace

StandardStreams::StandardStreams()
    : in_buffer_(prepared_stdin(), Console::kReadOperation, ReadBuffer::Reads::kLines),
      in_(&in_buffer_) {}

std::ostream& StandardStreams::out() { return std::cout; }

std::ostream& StandardStreams::err() { return std::cerr; }

}  // namespace tf
