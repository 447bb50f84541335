// The free-format reader on arbitrary text: the lines as the reader sees them,
// then repeated reads until the end of the text with each of a few item lists
// (those the game reads, and a mix of every kind).
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "support.h"
#include "text/free_format.h"

namespace {

using tf::Item;
using tf::fuzz::require;

// The kinds of one item list: 'i' an integer, 'r' a real, a digit d a text of
// length d, 'T' a text of 12 (the width of a table field).
const char* const kLists[] = {
    "i",         // an answer at the console
    "iii",       // a cross
    "rrr",       // a row of marker effects
    "2",         // header fields of the results table
    "T",         // the first field of any row
    "iriT0r28",  // every kind, side by side
};

const std::int32_t kIntMark = -7777777;
const double kRealMark = -7777.75;
const char* const kTextMark = "\x01untouched";

// Values kept in place while an item list is read.
struct Targets {
  std::vector<std::int32_t> ints;
  std::vector<double> reals;
  std::vector<std::string> texts;
};

void check_lines(const std::string& text) {
  std::istringstream in(text);
  tf::LineSource source(in, "Reading the fuzzer's input");
  std::string line;
  while (source.next_line(line)) {
    require(line.find_first_of("\r\n\t") == std::string::npos,
            "a line holds a carriage return, line feed or tab");
  }
}

void read_all(const std::string& text, const std::string& kinds) {
  Targets t;
  t.ints.resize(kinds.size());
  t.reals.resize(kinds.size());
  t.texts.resize(kinds.size());
  std::vector<Item> items;
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    const char k = kinds[i];
    if (k == 'i') {
      items.push_back(Item::integer(t.ints[i]));
    } else if (k == 'r') {
      items.push_back(Item::real(t.reals[i]));
    } else {
      items.push_back(Item::text(t.texts[i], k == 'T' ? 12 : k - '0'));
    }
  }

  std::istringstream in(text);
  tf::LineSource source(in, "Reading the fuzzer's input");
  for (;;) {
    for (std::size_t i = 0; i < kinds.size(); ++i) {
      t.ints[i] = kIntMark;
      t.reals[i] = kRealMark;
      t.texts[i] = kTextMark;
    }
    const tf::ReadOutcome outcome = tf::read_free(source, items);
    for (std::size_t i = 0; i < items.size(); ++i) {
      const Item& item = items[i];
      if (!item.assigned) {
        require(t.ints[i] == kIntMark && t.reals[i] == kRealMark && t.texts[i] == kTextMark,
                "an item without a value was changed");
      } else if (item.kind == Item::Kind::kText) {
        require(t.texts[i].size() == static_cast<std::size_t>(item.length),
                "a text item does not have its length");
      }
    }
    if (outcome == tf::ReadOutcome::kEnd) return;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  check_lines(text);
  for (const char* kinds : kLists) read_all(text, kinds);
  return 0;
}
