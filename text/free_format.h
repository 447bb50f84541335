// Reading values in free format, from the console and from files alike.
//
// A read begins with the first line that no earlier read has taken, takes its
// values from as many lines as it needs and ignores the rest of its last line.
// Values are separated by a comma, blanks, or blanks with one comma; empty
// lines are passed over; a comma with no value before it is a null value (the
// item keeps its old value); a slash ends the read; r*v repeats v for r items
// and r* gives r null values; texts may be quoted with ' or " (a doubled mark
// stands for one mark, a quoted text may run over line ends, which add
// nothing to it). A read holds one line at a time and, of a text, no more
// than its item's length, however many lines a quoted text runs over.
#pragma once

#include <cstdint>
#include <istream>
#include <streambuf>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tf {

// Lines of an input stream, as the reader sees them: every carriage return is
// dropped wherever it stands, and a tab becomes blanks up to the next column
// that is a multiple of 8. A source of zero bytes holds no line. What follows
// the last line feed is a line of a file, but not of the console: there a
// fragment that was never ended by <Enter> is the end of the input.
//
// The bytes are taken from the stream's buffer directly, so that nothing
// stands between a failure and the reader: an exception of the buffer (a
// refused read) reaches the caller as it was thrown, never as the end of the
// input. A line is held once, in the caller's string. Memory that runs out
// while a line is held is the fatal report of the source's read operation
// ("Reading a line from the console"), once the partial line has been let go.
class LineSource {
 public:
  enum class LastFragment { kIsLine, kIsEnd };

  // `operation`: the third line of the fatal report for a read of this
  // source.
  LineSource(std::streambuf& in, std::string operation, LastFragment last = LastFragment::kIsLine)
      : in_(&in), operation_(std::move(operation)), last_(last) {}
  LineSource(std::istream& in, std::string operation, LastFragment last = LastFragment::kIsLine)
      : LineSource(*in.rdbuf(), std::move(operation), last) {}

  // The next line into `line`; false when the source has no line left.
  bool next_line(std::string& line);

  // How many lines have been taken: the number, counted from 1, of the line
  // taken last.
  std::int64_t lines_taken() const { return lines_taken_; }

  const std::string& operation() const { return operation_; }

  // Memory ran out inside a read of this source: lets the held `line` go,
  // so that the report can be made, and throws the report of the read.
  [[noreturn]] void memory_exhausted(std::string& line) const;

 private:
  std::streambuf* in_;
  std::string operation_;
  LastFragment last_;
  std::int64_t lines_taken_ = 0;
};

// One item of a read: a 32-bit integer, a double-precision real or a text of
// fixed length. After the read, `assigned` tells whether the item got a value
// (false after a null value, a slash, or a read that failed before it).
struct Item {
  enum class Kind { kInt, kReal, kText };

  static Item integer(std::int32_t& target);
  static Item real(double& target);
  static Item text(std::string& target, int length);

  Kind kind = Kind::kInt;
  std::int32_t* int_target = nullptr;
  double* real_target = nullptr;
  std::string* text_target = nullptr;
  int length = 0;
  bool assigned = false;
};

enum class ReadOutcome {
  kMade,        // every item has its value, or kept its old one
  kEnd,         // the source had no line left when the read needed one
  kUnreadable,  // a value was not of its item's kind
};

// One read in free format of `items`, in order. Items given a value before an
// unreadable value or the end of the source keep it.
ReadOutcome read_free(LineSource& source, std::vector<Item>& items);

// A read with no items: takes one line and ignores it (kMade), or kEnd.
ReadOutcome read_line(LineSource& source);

// What a read of a single item gave.
enum class ValueRead {
  kValue,       // the item got its value
  kNull,        // a null value (or a slash): the item keeps its old value
  kUnreadable,  // not a value of the item's kind
  kEnd,         // no value: the source had no line left, or the line none
};

// One read of `item`. `line` holds the lines the read takes and may be
// handed to every read of a loop, so that its storage serves them all.
ValueRead read_value(LineSource& source, Item item);
ValueRead read_value(LineSource& source, Item item, std::string& line);

}  // namespace tf
