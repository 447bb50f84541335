// The one file channel: a file of the working directory is opened, read from
// its first line or written from its start, and closed before the next file
// is opened. Reads take one line at a time: a read holds a block of the file
// and one line, once, in a string that grows by doubling (up to twice the
// line's length, three times for the moment of a doubling). Writes are
// gathered and written in large blocks.
#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "text/free_format.h"

namespace tf {

class FileChannel {
 public:
  explicit FileChannel(std::filesystem::path dir);
  virtual ~FileChannel();
  FileChannel(const FileChannel&) = delete;
  FileChannel& operator=(const FileChannel&) = delete;

  // Whether a file of that name exists; nothing is opened or created.
  bool exists(const std::string& name) const;

  // Opens `name` for reading. A missing file, a folder or a refused open is
  // the caller's error branch (false); opening to read never creates a file.
  bool try_open_read(const std::string& name);
  // The same without a branch: a failed open ends the run with the fatal report.
  void open_read(const std::string& name);

  // The lines of the file open for reading.
  LineSource& source();
  // A read in free format with neither an end nor an error branch.
  void read_or_fatal(std::vector<Item>& items);
  // The operation text of a read of the open file, for the fatal report.
  std::string read_operation() const;

  // Opens `name` for writing from its start (created when missing, replaced
  // when present). An existing file that may not be written (read-only, held
  // by another program, of whatever kind but a folder) is refused: false,
  // and the file is untouched. Any other failure, a folder among them, ends
  // the run with the fatal report.
  bool try_open_write(const std::string& name);
  void write(std::string_view text);

  // Closes the open file; written contents are complete on disk.
  void close();
  bool is_open() const { return open_; }

 protected:
  // Opens the file at `path` in the C library's `mode` ("rb" or "wb"); null
  // with errno set on failure. Tests replace it to make an open fail.
  virtual std::FILE* open_file(const std::filesystem::path& path, const char* mode);

 private:
  // The bytes, the stream and the lines of the file open for reading.
  struct Reading;

  // Opens `name` through open_file; a folder is refused (null, errno EISDIR)
  // on every system alike, before the C library sees it.
  std::FILE* open_named(const std::string& name, const char* mode);
  void flush_buffer();
  // Closes the file after a refused write and throws the write's report.
  [[noreturn]] void fail_write();
  std::string operation(const char* verb) const;

  std::filesystem::path dir_;
  std::string name_;
  bool open_ = false;
  std::unique_ptr<Reading> reading_;
  std::FILE* out_ = nullptr;
  std::string buffer_;
};

}  // namespace tf
