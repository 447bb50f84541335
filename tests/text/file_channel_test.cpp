#include "text/file_channel.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "support/dialogue.h"
#include "text/fatal.h"

namespace tf {
namespace {

using test::TempDir;

// Lines of every length from 0 to 199, so that lines cross the read blocks
// and the write blocks at every offset; about 2.5 MiB in all.
std::string many_lines() {
  std::string text;
  for (int i = 0; text.size() < (5u << 19); ++i) {
    const char letter = static_cast<char>('a' + i % 26);
    text += std::to_string(i) + ',' + std::string(static_cast<std::size_t>(i % 200), letter);
    text += '\n';
  }
  return text;
}

TEST(FileChannel, FileLargerThanAWriteBlockIsWrittenAndReadBackWhole) {
  TempDir dir;
  FileChannel files(dir.path());
  const std::string text = many_lines();
  ASSERT_TRUE(files.try_open_write("big.csv"));
  for (std::size_t at = 0; at < text.size(); at += 1000) files.write(text.substr(at, 1000));
  files.close();
  EXPECT_EQ(dir.read("big.csv"), text);

  files.open_read("big.csv");
  std::string back;
  std::string line;
  while (files.source().next_line(line)) back += line + '\n';
  files.close();
  EXPECT_EQ(back, text);
}

// Where the device behind a name takes no bytes, the failure is reported as
// the write it is: of a full block, or of the last part when the file is
// closed.
TEST(FileChannel, WriteAndCloseThatFailAreFatal) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  struct Case {
    std::size_t bytes;
    const char* operation;
  };
  for (const Case& c : {Case{10, "Writing full.csv on the file channel"},
                        Case{3u << 20, "Writing full.csv on the file channel"}}) {
    SCOPED_TRACE(c.bytes);
    TempDir dir;
    std::filesystem::create_symlink("/dev/full", dir.path() / "full.csv");
    FileChannel files(dir.path());
    try {
      ASSERT_TRUE(files.try_open_write("full.csv"));
      files.write(std::string(c.bytes, 'x'));
      files.close();
      ADD_FAILURE() << "no fatal error";
    } catch (const FatalIoError& e) {
      EXPECT_EQ(e.header(), FatalIoError::kSystemHeader);
      EXPECT_EQ(e.message(), std::strerror(ENOSPC));
      EXPECT_EQ(e.operation(), c.operation);
    }
    EXPECT_FALSE(files.is_open());
  }
}

TEST(FileChannel, ReadThatFailsIsFatal) {
  // The memory of a process reads with an I/O error at its first byte.
  if (!std::filesystem::exists("/proc/self/mem")) GTEST_SKIP() << "no /proc/self/mem";
  TempDir dir;
  // Windows (wine) sees the path but makes no symbolic link to it.
  std::error_code ec;
  std::filesystem::create_symlink("/proc/self/mem", dir.path() / "mem.csv", ec);
  if (ec) GTEST_SKIP() << "no link to /proc/self/mem: " << ec.message();
  FileChannel files(dir.path());
  files.open_read("mem.csv");
  std::string line;
  try {
    files.source().next_line(line);
    ADD_FAILURE() << "no fatal error";
  } catch (const FatalIoError& e) {
    EXPECT_EQ(e.message(), std::strerror(EIO));
    EXPECT_EQ(e.operation(), "Reading mem.csv on the file channel");
  }
  files.close();
}

// An existing file whose open for writing the system refuses (a spreadsheet
// holds it, it is read-only, or its file system is) is the caller's to wait
// for: false, the file untouched. Any other failure is fatal.
TEST(FileChannel, RefusedOpenForWriteOfAnExistingFileIsWaitedFor) {
  struct Case {
    int error;
    bool refused;
  };
  for (const Case& c : {Case{EACCES, true}, Case{EPERM, true}, Case{EROFS, true}, Case{EIO, false},
                        Case{ENOSPC, false}}) {
    SCOPED_TRACE(std::strerror(c.error));
    TempDir dir;
    dir.write("Results.csv", "held\n");
    test::FlakyChannel files(dir.path());
    files.fail_opens("wb", 0, 1, c.error);
    if (c.refused) {
      EXPECT_FALSE(files.try_open_write("Results.csv"));
      EXPECT_FALSE(files.is_open());
    } else {
      try {
        files.try_open_write("Results.csv");
        ADD_FAILURE() << "no fatal error";
      } catch (const FatalIoError& e) {
        EXPECT_EQ(e.message(), std::strerror(c.error));
        EXPECT_EQ(e.operation(), "Opening Results.csv on the file channel");
      }
    }
    EXPECT_EQ(dir.read("Results.csv"), "held\n");
    // The refusal was the only one: the next open writes the file.
    ASSERT_TRUE(files.try_open_write("Results.csv"));
    files.close();
    EXPECT_EQ(dir.read("Results.csv"), "");
  }
}

TEST(FileChannel, FolderIsNoFileToReadOrWrite) {
  TempDir dir;
  std::filesystem::create_directory(dir.path() / "Results.csv");
  FileChannel files(dir.path());
  EXPECT_FALSE(files.try_open_read("Results.csv"));
  try {
    files.try_open_write("Results.csv");
    ADD_FAILURE() << "no fatal error";
  } catch (const FatalIoError& e) {
    EXPECT_EQ(e.message(), std::strerror(EISDIR));
    EXPECT_EQ(e.operation(), "Opening Results.csv on the file channel");
  }
}

}  // namespace
}  // namespace tf
