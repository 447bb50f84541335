// Reading values in free format, from the console and from files alike.
//
// A read begins with the first line that no earlier read has taken, takes its
// values from as many lines as it needs and ignores the rest of its last line.
// Values are separated by a comma, blanks, or blanks with one comma; empty
// lines are passed over; a comma with no value before it is a null value (the
// item keeps its old value); a slash ends the read; r*v repeats v for r items
// and r* gives r null values; texts may be quoted with ' or " (a doubled mark
// stands for one mark, a quoted text may run over line ends).
#pragma once

#include <cstdint>
#include <istream>
#include <streambuf>
#include <string>
#include <string_view>
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
// refused read) or of the line's growth (memory exhausted) reaches the
// caller as it was thrown, never as the end of the input. A line is held
// once, in the caller's string.
class LineSource {
 public:
  enum class LastFragment { kIsLine, kIsEnd };

  explicit LineSource(std::streambuf& in, LastFragment last = LastFragment::kIsLine)
      : in_(&in), last_(last) {}
  explicit LineSource(std::istream& in, LastFragment last = LastFragment::kIsLine)
      : LineSource(*in.rdbuf(), last) {}

  // The next line into `line`; false when the source has no line left.
  bool next_line(std::string& line);

 private:
  std::streambuf* in_;
  LastFragment last_;
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

// A read of `items` from `line` alone, as from a source that holds only that
// line: kEnd when the line holds no value (it is empty or blank, or a quoted
// text is not closed on it).
ReadOutcome read_free(std::string_view line, std::vector<Item>& items);

// A read with no items: takes one line and ignores it (kMade), or kEnd.
ReadOutcome read_line(LineSource& source);

// What a read of a single item gave.
enum class ValueRead {
  kValue,       // the item got its value
  kNull,        // a null value (or a slash): the item keeps its old value
  kUnreadable,  // not a value of the item's kind
  kEnd,         // no value: the source had no line left, or the line none
};

ValueRead read_value(LineSource& source, Item item);
ValueRead read_value(std::string_view line, Item item);

}  // namespace tf
