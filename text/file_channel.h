// The one file channel: a file of the working directory is opened, read from
// its first line or written from its start, and closed before the next file
// is opened. Reads take the whole file in one block; writes are gathered and
// written in large blocks.
#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "text/free_format.h"

namespace tf {

class FileChannel {
 public:
  explicit FileChannel(std::filesystem::path dir);
  ~FileChannel();
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
  LineSource& source() { return *source_; }
  // A read in free format with neither an end nor an error branch.
  void read_or_fatal(std::vector<Item>& items);
  // The operation text of a read of the open file, for the fatal report.
  std::string read_operation() const;

  // Opens `name` for writing from its start (created when missing, replaced
  // when present); a failure ends the run with the fatal report.
  void open_write(const std::string& name);
  void write(std::string_view text);

  // Closes the open file; written contents are complete on disk.
  void close();
  bool is_open() const { return open_; }

 private:
  void flush_buffer();
  std::string operation(const char* verb) const;

  std::filesystem::path dir_;
  std::string name_;
  bool open_ = false;
  std::istringstream contents_;
  std::unique_ptr<LineSource> source_;
  std::FILE* out_ = nullptr;
  std::string buffer_;
};

}  // namespace tf
