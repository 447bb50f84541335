#include "text/free_format.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <limits>
#include <new>
#include <string>

#include "text/fatal.h"

namespace tf {

bool LineSource::next_line(std::string& line) {
  using Traits = std::streambuf::traits_type;
  line.clear();
  Traits::int_type c = in_->sbumpc();
  if (Traits::eq_int_type(c, Traits::eof())) return false;
  try {
    for (; !Traits::eq_int_type(c, Traits::eof()); c = in_->sbumpc()) {
      const char byte = Traits::to_char_type(c);
      if (byte == '\n') {
        ++lines_taken_;
        return true;
      }
      if (byte == '\r') continue;
      if (byte == '\t') {
        line.append(8 - line.size() % 8, ' ');
      } else {
        line.push_back(byte);
      }
    }
  } catch (const std::bad_alloc&) {
    memory_exhausted(line);
  }
  // The input ended inside a line.
  if (last_ == LastFragment::kIsEnd) return false;
  ++lines_taken_;
  return true;
}

void LineSource::memory_exhausted(std::string& line) const {
  std::string().swap(line);
  throw FatalIoError::system(ENOMEM, operation_);
}

Item Item::integer(std::int32_t& target) {
  Item item;
  item.kind = Kind::kInt;
  item.int_target = &target;
  return item;
}

Item Item::real(double& target) {
  Item item;
  item.kind = Kind::kReal;
  item.real_target = &target;
  return item;
}

Item Item::text(std::string& target, int length) {
  Item item;
  item.kind = Kind::kText;
  item.text_target = &target;
  item.length = length;
  return item;
}

namespace {

bool ends_value(char c) { return c == ' ' || c == ',' || c == '/'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }
char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// One value as it stands in the input: null, an unquoted token, or the
// contents of a quoted text with its marks removed.
struct Value {
  enum class Kind { kNull, kToken, kQuoted };
  Kind kind = Kind::kNull;
  std::string text;
};

// An optional sign and decimal digits, nothing else; a sign alone is 0.
// Values outside the 32-bit range are unreadable rather than wrapped.
bool parse_integer(const std::string& token, std::int32_t& out) {
  std::size_t i = 0;
  const bool negative = token[0] == '-';
  if (token[0] == '+' || token[0] == '-') i = 1;
  const long long limit = negative ? 2147483648LL : 2147483647LL;
  long long magnitude = 0;
  for (; i < token.size(); ++i) {
    if (!is_digit(token[i])) return false;
    magnitude = magnitude * 10 + (token[i] - '0');
    if (magnitude > limit) return false;
  }
  out = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  return true;
}

std::size_t skip_digits(const std::string& token, std::size_t i) {
  while (i < token.size() && is_digit(token[i])) ++i;
  return i;
}

// An optional sign, digits with at most one point and an optional exponent
// (E or D, either case, an optional sign and digits). N or I after the sign
// read as not-a-number or infinity; Q in the exponent letter's place ends the
// number there; a sign alone is 0.
bool parse_real(const std::string& token, double& out) {
  std::size_t i = 0;
  const bool negative = token[0] == '-';
  if (token[0] == '+' || token[0] == '-') i = 1;
  if (i == token.size()) {
    out = 0.0;
    return true;
  }
  const double sign = negative ? -1.0 : 1.0;
  if (upper(token[i]) == 'N') {
    out = std::copysign(std::numeric_limits<double>::quiet_NaN(), sign);
    return true;
  }
  if (upper(token[i]) == 'I') {
    out = sign * std::numeric_limits<double>::infinity();
    return true;
  }
  const std::size_t whole_end = skip_digits(token, i);
  std::size_t end = whole_end;
  std::size_t digits = whole_end - i;
  if (end < token.size() && token[end] == '.') {
    end = skip_digits(token, end + 1);
    digits += end - whole_end - 1;
  }
  if (digits == 0) return false;
  std::string number = negative ? "-" : "";
  number += token.substr(i, end - i);
  if (end < token.size()) {
    const char letter = upper(token[end]);
    if (letter != 'Q') {
      if (letter != 'E' && letter != 'D') return false;
      std::size_t e = end + 1;
      if (e < token.size() && (token[e] == '+' || token[e] == '-')) ++e;
      const std::size_t e_end = skip_digits(token, e);
      if (e_end == e || e_end != token.size()) return false;
      number += 'e';
      number += token.substr(end + 1);
    }
  }
  out = std::strtod(number.c_str(), nullptr);
  return true;
}

// Gives `value` to `item`; false when it is not of the item's kind.
bool assign(Item& item, const Value& value) {
  switch (item.kind) {
    case Item::Kind::kInt:
      if (value.kind == Value::Kind::kQuoted || !parse_integer(value.text, *item.int_target)) {
        return false;
      }
      break;
    case Item::Kind::kReal:
      if (value.kind == Value::Kind::kQuoted || !parse_real(value.text, *item.real_target)) {
        return false;
      }
      break;
    case Item::Kind::kText: {
      const std::size_t length = static_cast<std::size_t>(item.length > 0 ? item.length : 0);
      std::string text = value.text.substr(0, length);
      text.resize(length, ' ');
      *item.text_target = std::move(text);
      break;
    }
  }
  item.assigned = true;
  return true;
}

// What the next step of a read found.
enum class Found { kValues, kSlash, kEnd, kUnreadable };

// The lines of one read and the position in the line being read.
// `text_length`: the most characters that any text item of the read keeps.
class Scanner {
 public:
  Scanner(LineSource& source, std::string& held, std::size_t text_length)
      : source_(&source), held_(&held), text_length_(text_length) {}

  bool next_line() {
    pos_ = 0;
    if (!source_->next_line(*held_)) {
      line_ = {};
      return false;
    }
    line_ = *held_;
    return true;
  }

  // The next value or group of repeated values, for items of which `first`
  // is the next to be given one: `count` copies of `value`.
  Found next(const Item& first, long long& count, Value& value) {
    count = 1;
    value = Value{};
    for (;;) {
      while (pos_ < line_.size() && line_[pos_] == ' ') ++pos_;
      if (pos_ == line_.size()) {
        if (!next_line()) return Found::kEnd;
        continue;
      }
      const char c = line_[pos_];
      if (c == '/') return Found::kSlash;
      if (c != ',') break;
      ++pos_;
      // A comma right after a value, blanks and line ends aside, is that
      // value's separator; any other comma stands for a null value.
      if (after_value_) {
        after_value_ = false;
        continue;
      }
      return Found::kValues;
    }
    after_value_ = true;
    // r* with nothing after it gives r null values.
    if (read_repeat_count(count) && (pos_ == line_.size() || ends_value(line_[pos_]))) {
      return Found::kValues;
    }
    const char c = line_[pos_];
    if (c == '\'' || c == '"') {
      if (first.kind != Item::Kind::kText) return Found::kUnreadable;
      value.kind = Value::Kind::kQuoted;
      if (!read_quoted(c, value.text)) return Found::kEnd;
      skip_to_separator();  // anything stuck to the closing mark is no value of its own
      return Found::kValues;
    }
    value.kind = Value::Kind::kToken;
    const std::size_t start = pos_;
    skip_to_separator();
    value.text = std::string(line_.substr(start, pos_ - start));
    return Found::kValues;
  }

 private:
  // A count r in r*v: unsigned digits directly followed by an asterisk. A
  // count of 0 is no count, and the asterisk stays part of the value.
  bool read_repeat_count(long long& count) {
    std::size_t i = pos_;
    long long r = 0;
    while (i < line_.size() && is_digit(line_[i])) {
      r = std::min(r * 10 + (line_[i] - '0'), kMaxCount);
      ++i;
    }
    if (i == pos_ || i == line_.size() || line_[i] != '*' || r == 0) return false;
    count = r;
    pos_ = i + 1;
    return true;
  }

  // The text after an opening `mark` up to the next single one, over line
  // ends (which add nothing to the text), of which no item keeps more than
  // its first text_length_ characters; false when the source ends first.
  bool read_quoted(char mark, std::string& text) {
    ++pos_;
    for (;;) {
      if (pos_ == line_.size()) {
        if (!next_line()) return false;
        continue;
      }
      const char c = line_[pos_++];
      if (c == mark) {
        if (pos_ == line_.size() || line_[pos_] != mark) return true;
        ++pos_;  // a doubled mark stands for one
      }
      if (text.size() < text_length_) text.push_back(c);
    }
  }

  void skip_to_separator() {
    while (pos_ < line_.size() && !ends_value(line_[pos_])) ++pos_;
  }

  static constexpr long long kMaxCount = std::numeric_limits<std::int32_t>::max();

  LineSource* source_;
  std::string* held_;  // the line read from the source
  std::size_t text_length_;
  std::string_view line_;  // the line being read
  std::size_t pos_ = 0;
  bool after_value_ = false;
};

// One read of `items` from `source`, its lines held in `line`.
ReadOutcome read_lines(LineSource& source, std::string& line, std::vector<Item>& items) {
  std::size_t text_length = 0;
  for (Item& item : items) {
    item.assigned = false;
    if (item.kind == Item::Kind::kText && item.length > 0) {
      text_length = std::max(text_length, static_cast<std::size_t>(item.length));
    }
  }
  Scanner scanner(source, line, text_length);
  if (!scanner.next_line()) return ReadOutcome::kEnd;
  std::size_t next = 0;
  while (next < items.size()) {
    long long count = 0;
    Value value;
    switch (scanner.next(items[next], count, value)) {
      case Found::kSlash:
        return ReadOutcome::kMade;
      case Found::kEnd:
        return ReadOutcome::kEnd;
      case Found::kUnreadable:
        return ReadOutcome::kUnreadable;
      case Found::kValues:
        break;
    }
    for (; count > 0 && next < items.size(); --count, ++next) {
      if (value.kind != Value::Kind::kNull && !assign(items[next], value)) {
        return ReadOutcome::kUnreadable;
      }
    }
  }
  return ReadOutcome::kMade;
}

// The read, with memory that runs out anywhere in it (a line, a value)
// reported as a failure of the source's read once the held line is let go.
ReadOutcome read_items(LineSource& source, std::string& line, std::vector<Item>& items) {
  try {
    return read_lines(source, line, items);
  } catch (const std::bad_alloc&) {
    source.memory_exhausted(line);
  }
}

ValueRead value_read(ReadOutcome outcome, const Item& item) {
  switch (outcome) {
    case ReadOutcome::kEnd:
      return ValueRead::kEnd;
    case ReadOutcome::kUnreadable:
      return ValueRead::kUnreadable;
    case ReadOutcome::kMade:
      break;
  }
  return item.assigned ? ValueRead::kValue : ValueRead::kNull;
}

}  // namespace

ReadOutcome read_free(LineSource& source, std::vector<Item>& items) {
  std::string line;
  return read_items(source, line, items);
}

ValueRead read_value(LineSource& source, Item item) {
  std::string line;
  return read_value(source, item, line);
}

ValueRead read_value(LineSource& source, Item item, std::string& line) {
  std::vector<Item> items{item};
  return value_read(read_items(source, line, items), items[0]);
}

ReadOutcome read_line(LineSource& source) {
  std::string line;
  return source.next_line(line) ? ReadOutcome::kMade : ReadOutcome::kEnd;
}

}  // namespace tf
