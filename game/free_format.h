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
#include <string>
#include <vector>

namespace tf {

// Lines of an input stream, as the reader sees them: every carriage return is
// dropped wherever it stands, and a tab becomes blanks up to the next column
// that is a multiple of 8. A source of zero bytes holds no line. What follows
// the last line feed is a line of a file, but not of the console: there a
// fragment that was never ended by <Enter> is the end of the input.
class LineSource {
 public:
  enum class LastFragment { kIsLine, kIsEnd };

  explicit LineSource(std::istream& in, LastFragment last = LastFragment::kIsLine)
      : in_(&in), last_(last) {}

  // The next line into `line`; false when the source has no line left.
  bool next_line(std::string& line);

 private:
  std::istream* in_;
  LastFragment last_;
  std::string raw_;
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

}  // namespace tf
