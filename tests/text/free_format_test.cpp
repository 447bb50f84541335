#include "text/free_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <vector>

namespace tf {
namespace {

// An in-memory source of lines.
class Lines {
 public:
  explicit Lines(const std::string& bytes) : in_(bytes), source_(in_, "Reading the lines") {}
  LineSource& source() { return source_; }

  std::vector<std::string> all() {
    std::vector<std::string> lines;
    std::string line;
    while (source_.next_line(line)) lines.push_back(line);
    return lines;
  }

 private:
  std::istringstream in_;
  LineSource source_;
};

std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

TEST(LineSourceTest, SplitsLinesDropsCarriageReturnsExpandsTabs) {
  struct Case {
    std::string bytes;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"", {}},
      {"\n", {""}},
      {"\n\n", {"", ""}},
      {"a\nb\n", {"a", "b"}},
      {"a\nlast", {"a", "last"}},  // a last line without a line feed
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rb\r\r\n\r", {"ab", ""}},
      {"\tx", {blanks(8) + "x"}},
      {"a\tb", {"a" + blanks(7) + "b"}},
      {"abcdefg\tb", {"abcdefg b"}},
      {"abcdefgh\tb", {"abcdefgh" + blanks(8) + "b"}},
      {"ab\r\tc", {"ab" + blanks(6) + "c"}},  // the dropped byte takes no column
      {"\t\t1", {blanks(16) + "1"}},
      {"1,\t2\n", {"1," + blanks(6) + "2"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "bytes: " << testing::PrintToString(c.bytes));
    Lines lines(c.bytes);
    EXPECT_EQ(lines.all(), c.lines);
  }
}

TEST(LineSourceTest, LongLineIsReadWhole) {
  const std::string long_line(100000, '7');
  Lines lines(long_line + "\nnext\n");
  EXPECT_EQ(lines.all(), (std::vector<std::string>{long_line, "next"}));
}

// Input whose buffer fails after its first line, as a refused read does.
class FailingAfterFirstLine : public std::streambuf {
 protected:
  int_type underflow() override {
    if (given_) throw std::runtime_error("read refused");
    given_ = true;
    setg(first_, first_, first_ + 2);
    return traits_type::to_int_type(*gptr());
  }

 private:
  char first_[2] = {'1', '\n'};
  bool given_ = false;
};

TEST(LineSourceTest, FailureOfTheBufferLeavesTheReadAsThrown) {
  for (const auto last : {LineSource::LastFragment::kIsLine, LineSource::LastFragment::kIsEnd}) {
    FailingAfterFirstLine buffer;
    LineSource source(buffer, "Reading the buffer", last);
    std::string line;
    ASSERT_TRUE(source.next_line(line));
    EXPECT_EQ(line, "1");
    EXPECT_THROW(source.next_line(line), std::runtime_error);
  }
}

// Reads of one value each, through one line buffer: every read begins on
// the line after the last one taken, and the source counts the lines.
TEST(ReadValueTest, EachValueFromTheLinesAfterTheLastRead) {
  Lines lines("\"--\n\"   ,x\n\n'Line\n\n_ID' y\n 7,8\n\"9\"\n");
  std::string line;
  std::string text;
  EXPECT_EQ(read_value(lines.source(), Item::text(text, 2), line), ValueRead::kValue);
  EXPECT_EQ(text, "--");
  EXPECT_EQ(lines.source().lines_taken(), 2);  // the quote closed on line 2
  EXPECT_EQ(read_value(lines.source(), Item::text(text, 7), line), ValueRead::kValue);
  EXPECT_EQ(text, "Line_ID");
  EXPECT_EQ(lines.source().lines_taken(), 6);
  std::int32_t id = 0;
  EXPECT_EQ(read_value(lines.source(), Item::integer(id), line), ValueRead::kValue);
  EXPECT_EQ(id, 7);
  EXPECT_EQ(read_value(lines.source(), Item::integer(id), line), ValueRead::kUnreadable);
  EXPECT_EQ(lines.source().lines_taken(), 8);
  EXPECT_EQ(read_value(lines.source(), Item::integer(id), line), ValueRead::kEnd);
}

// A quoted text keeps no more than its item's length, however far it runs;
// a doubled mark beyond that length still stands for one mark.
TEST(ReadValueTest, LongQuotedTextIsCutToItsItem) {
  const std::string long_run(100000, 'x');
  Lines lines("'ab" + long_run + "\n" + long_run + "''" + long_run + "' 5\nnext\n");
  std::string text;
  std::string line;
  EXPECT_EQ(read_value(lines.source(), Item::text(text, 4), line), ValueRead::kValue);
  EXPECT_EQ(text, "abxx");
  EXPECT_EQ(lines.source().lines_taken(), 2);
  EXPECT_EQ(read_value(lines.source(), Item::text(text, 4), line), ValueRead::kValue);
  EXPECT_EQ(text, "next");
}

// A quote that never closes runs to the end of the source: no value.
TEST(ReadValueTest, UnclosedQuoteRunsToTheEnd) {
  Lines lines("\"junk\n--,x\n--,y\nLine_ID\n");
  std::string text = "old";
  EXPECT_EQ(read_value(lines.source(), Item::text(text, 2)), ValueRead::kEnd);
  EXPECT_EQ(text, "old");
  EXPECT_EQ(lines.source().lines_taken(), 4);
  EXPECT_EQ(read_value(lines.source(), Item::text(text, 2)), ValueRead::kEnd);
}

// Three integers, 77, 88 and 99 before the read.
struct IntCase {
  std::string input;
  ReadOutcome outcome;
  std::vector<std::int32_t> values;
  std::vector<bool> assigned;
};

TEST(ReadFreeTest, ThreeIntegers) {
  const auto made = ReadOutcome::kMade;
  const auto end = ReadOutcome::kEnd;
  const auto bad = ReadOutcome::kUnreadable;
  const IntCase cases[] = {
      {"1 2 3\n", made, {1, 2, 3}, {true, true, true}},
      {"1,2,3", made, {1, 2, 3}, {true, true, true}},
      {"  1 , 2 ,3  \n", made, {1, 2, 3}, {true, true, true}},
      {"1,,3\n", made, {1, 88, 3}, {true, false, true}},
      {",2,3\n", made, {77, 2, 3}, {false, true, true}},
      {",,,\n", made, {77, 88, 99}, {false, false, false}},
      {"5/\n", made, {5, 88, 99}, {true, false, false}},
      {"5,/ 6 7\n", made, {5, 88, 99}, {true, false, false}},
      {"/ 1 2 3\n", made, {77, 88, 99}, {false, false, false}},
      {"1 2/3\n", made, {1, 2, 99}, {true, true, false}},
      {"1,2\n3 4 5\n", made, {1, 2, 3}, {true, true, true}},
      {"1\n\n   \n2\n\n3\n", made, {1, 2, 3}, {true, true, true}},
      {"1,\n,3\n", made, {1, 88, 3}, {true, false, true}},  // the comma opening line 2 is null
      {"1\n,2,3\n", made, {1, 2, 3}, {true, true, true}},   // that comma is 1's separator
      {"1 ,\n 2 3\n", made, {1, 2, 3}, {true, true, true}},
      {"3*7\n", made, {7, 7, 7}, {true, true, true}},
      {"2*7 8\n", made, {7, 7, 8}, {true, true, true}},
      {"1 5*4\n", made, {1, 4, 4}, {true, true, true}},
      {"2* 8\n", made, {77, 88, 8}, {false, false, true}},
      {"2*,8\n", made, {77, 88, 8}, {false, false, true}},
      {"1 2*\n", made, {1, 88, 99}, {true, false, false}},
      {"1*5 1*6,1*7\n", made, {5, 6, 7}, {true, true, true}},
      {"+ - 5\n", made, {0, 0, 5}, {true, true, true}},
      {"+5 -0 007\n", made, {5, 0, 7}, {true, true, true}},
      {"1\t2\t3\n", made, {1, 2, 3}, {true, true, true}},
      {"1\r\n2\r\n3\r\n", made, {1, 2, 3}, {true, true, true}},
      {"1 2 3 4 5\n", made, {1, 2, 3}, {true, true, true}},
      {"1 2 3x\n", bad, {1, 2, 99}, {true, true, false}},
      {"2147483647 -2147483648 -0\n", made, {2147483647, -2147483647 - 1, 0}, {true, true, true}},
      {"1 2147483648\n", bad, {1, 88, 99}, {true, false, false}},
      {"-2147483649\n", bad, {77, 88, 99}, {false, false, false}},
      {"99999999999999999999999\n", bad, {77, 88, 99}, {false, false, false}},
      {"1 2 x\n", bad, {1, 2, 99}, {true, true, false}},
      {"1 2.5 3\n", bad, {1, 88, 99}, {true, false, false}},
      {"1e2\n", bad, {77, 88, 99}, {false, false, false}},
      {"--4\n", bad, {77, 88, 99}, {false, false, false}},
      {"4-\n", bad, {77, 88, 99}, {false, false, false}},
      {"1 '2' 3\n", bad, {1, 88, 99}, {true, false, false}},
      {"1 \"2\n", bad, {1, 88, 99}, {true, false, false}},
      {"0*5\n", bad, {77, 88, 99}, {false, false, false}},  // a count of 0 is no count
      {"2*x\n", bad, {77, 88, 99}, {false, false, false}},
      {"1 2\n", end, {1, 2, 99}, {true, true, false}},
      {"1 2\n\n  \n", end, {1, 2, 99}, {true, true, false}},
      {"1,\n", end, {1, 88, 99}, {true, false, false}},
      {"", end, {77, 88, 99}, {false, false, false}},
  };
  for (const IntCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "input: " << testing::PrintToString(c.input));
    Lines lines(c.input);
    std::vector<std::int32_t> v{77, 88, 99};
    std::vector<Item> items{Item::integer(v[0]), Item::integer(v[1]), Item::integer(v[2])};
    EXPECT_EQ(read_free(lines.source(), items), c.outcome);
    EXPECT_EQ(v, c.values);
    EXPECT_EQ((std::vector<bool>{items[0].assigned, items[1].assigned, items[2].assigned}),
              c.assigned);
  }
}

TEST(ReadFreeTest, EachReadBeginsOnTheLineAfterTheLastOneUsed) {
  Lines lines("1,2\n3 9 9\n4\n,\n5 6\n7 x\n8\n");
  std::int32_t a = 0, b = 0, c = 0;
  std::vector<Item> three{Item::integer(a), Item::integer(b), Item::integer(c)};
  ASSERT_EQ(read_free(lines.source(), three), ReadOutcome::kMade);
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 2);
  EXPECT_EQ(c, 3);

  std::vector<Item> one{Item::integer(a)};
  ASSERT_EQ(read_free(lines.source(), one), ReadOutcome::kMade);
  EXPECT_EQ(a, 4);
  ASSERT_EQ(read_free(lines.source(), one), ReadOutcome::kMade);  // the null line
  EXPECT_EQ(a, 4);
  EXPECT_FALSE(one[0].assigned);
  ASSERT_EQ(read_free(lines.source(), one), ReadOutcome::kMade);
  EXPECT_EQ(a, 5);

  std::vector<Item> two{Item::integer(a), Item::integer(b)};
  ASSERT_EQ(read_free(lines.source(), two), ReadOutcome::kUnreadable);
  EXPECT_EQ(a, 7);
  ASSERT_EQ(read_free(lines.source(), one), ReadOutcome::kMade);  // past the failed line
  EXPECT_EQ(a, 8);
  EXPECT_EQ(read_free(lines.source(), one), ReadOutcome::kEnd);
}

TEST(ReadFreeTest, ALastLineWithoutLineFeedIsRead) {
  Lines lines("1\n2");
  std::int32_t a = 0;
  std::vector<Item> one{Item::integer(a)};
  ASSERT_EQ(read_free(lines.source(), one), ReadOutcome::kMade);
  ASSERT_EQ(read_free(lines.source(), one), ReadOutcome::kMade);
  EXPECT_EQ(a, 2);
  EXPECT_EQ(read_free(lines.source(), one), ReadOutcome::kEnd);
}

TEST(ReadFreeTest, ReadLineTakesOneLineWhateverItHolds) {
  Lines lines("a, b\n\n  \nx/y\nlast");
  for (int i = 0; i < 5; ++i) EXPECT_EQ(read_line(lines.source()), ReadOutcome::kMade) << i;
  EXPECT_EQ(read_line(lines.source()), ReadOutcome::kEnd);
  EXPECT_EQ(read_line(lines.source()), ReadOutcome::kEnd);
}

TEST(ReadFreeTest, AReadOfNoItemsTakesOneLine) {
  Lines lines("\n5\n");
  std::vector<Item> none;
  EXPECT_EQ(read_free(lines.source(), none), ReadOutcome::kMade);
  std::int32_t a = 0;
  std::vector<Item> one{Item::integer(a)};
  EXPECT_EQ(read_free(lines.source(), one), ReadOutcome::kMade);
  EXPECT_EQ(a, 5);
  EXPECT_EQ(read_free(lines.source(), none), ReadOutcome::kEnd);
}

// One real, 0.5 before the read.
struct RealCase {
  std::string input;
  ReadOutcome outcome;
  double value;
};

TEST(ReadFreeTest, Reals) {
  const auto made = ReadOutcome::kMade;
  const auto bad = ReadOutcome::kUnreadable;
  const double inf = std::numeric_limits<double>::infinity();
  const RealCase cases[] = {
      {"3.5", made, 3.5},   {"4.", made, 4.0},         {".25", made, 0.25},   {"-2", made, -2.0},
      {"0.1", made, 0.1},   {"1e2", made, 100.0},      {"1E2", made, 100.0},  {"1d2", made, 100.0},
      {"1D-2", made, 0.01}, {"+1.5e+3", made, 1500.0}, {"-.5E1", made, -5.0}, {"2.5q7", made, 2.5},
      {"2.5Q", made, 2.5},  {"7q+x", made, 7.0},       {"+", made, 0.0},      {"-", made, 0.0},
      {"Inf", made, inf},   {"-infinity", made, -inf}, {"+i", made, inf},     {"2*1.5", made, 1.5},
      {"1.5,9", made, 1.5}, {"6/", made, 6.0},         {"/", made, 0.5},      {",", made, 0.5},
      {"x", bad, 0.5},      {"1.2.3", bad, 0.5},       {".", bad, 0.5},       {"-.", bad, 0.5},
      {"1e", bad, 0.5},     {"1e+", bad, 0.5},         {"1e2.5", bad, 0.5},   {"1.5+3", bad, 0.5},
      {"1ee2", bad, 0.5},   {"1x2", bad, 0.5},         {"E5", bad, 0.5},      {"'1'", bad, 0.5},
  };
  for (const RealCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "input: " << testing::PrintToString(c.input));
    Lines lines(c.input + "\n");
    double x = 0.5;
    std::vector<Item> items{Item::real(x)};
    EXPECT_EQ(read_free(lines.source(), items), c.outcome);
    EXPECT_EQ(x, c.value);
  }
}

TEST(ReadFreeTest, NotANumberKeepsItsSign) {
  for (const char* input : {"nan", "NaN", "N", "+n"}) {
    Lines lines(std::string(input) + "\n");
    double x = 0.0;
    std::vector<Item> items{Item::real(x)};
    ASSERT_EQ(read_free(lines.source(), items), ReadOutcome::kMade) << input;
    EXPECT_TRUE(std::isnan(x)) << input;
    EXPECT_FALSE(std::signbit(x)) << input;
  }
  Lines lines("-NaN\n");
  double x = 0.0;
  std::vector<Item> items{Item::real(x)};
  ASSERT_EQ(read_free(lines.source(), items), ReadOutcome::kMade);
  EXPECT_TRUE(std::isnan(x));
  EXPECT_TRUE(std::signbit(x));
}

// One text of `length` characters, "old" before the read.
struct TextCase {
  std::string input;
  int length;
  ReadOutcome outcome;
  std::string value;
};

TEST(ReadFreeTest, Texts) {
  const auto made = ReadOutcome::kMade;
  const auto end = ReadOutcome::kEnd;
  const TextCase cases[] = {
      {"Line_IDs\n", 7, made, "Line_ID"},
      {"---\n", 2, made, "--"},
      {"ab\n", 5, made, "ab   "},
      {"  Yield_Y1,x\n", 12, made, "Yield_Y1    "},
      {"abc/def\n", 6, made, "abc   "},
      {"x'y\n", 3, made, "x'y"},
      {"\"Line_ID\"\n", 7, made, "Line_ID"},
      {"'a b,c/d'\n", 12, made, "a b,c/d     "},
      {"'it''s'\n", 4, made, "it's"},
      {"\"say \"\"hi\"\"\"\n", 8, made, "say \"hi\""},
      {"\"it's\"\n", 4, made, "it's"},
      {"''\n", 3, made, "   "},
      {"'ab\ncd'\n", 4, made, "abcd"},  // a line end adds nothing to the text
      {"'ab\n\n  cd' x\n", 6, made, "ab  cd"},
      {"'ab'cd\n", 4, made, "ab  "},
      {"2*'a'\n", 1, made, "a"},
      {"'abc\n", 3, end, "old"},
      {",\n", 3, made, "old"},
      {"\n\nzz\n", 3, made, "zz "},
      {"abc\n", 0, made, ""},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "input: " << testing::PrintToString(c.input));
    Lines lines(c.input);
    std::string text = "old";
    std::vector<Item> items{Item::text(text, c.length)};
    EXPECT_EQ(read_free(lines.source(), items), c.outcome);
    EXPECT_EQ(text, c.value);
  }
}

TEST(ReadFreeTest, MixedItemsOverSeveralLines) {
  Lines lines("'Cross 1', 3\n\n2.5e1 , 'it''s\nover'\n 2*ab x y\nignored\n");
  std::string name, quote, first, second;
  std::int32_t n = 0;
  double x = 0.0;
  std::vector<Item> items{Item::text(name, 12), Item::integer(n),     Item::real(x),
                          Item::text(quote, 8), Item::text(first, 3), Item::text(second, 3)};
  ASSERT_EQ(read_free(lines.source(), items), ReadOutcome::kMade);
  EXPECT_EQ(name, "Cross 1     ");
  EXPECT_EQ(n, 3);
  EXPECT_EQ(x, 25.0);
  EXPECT_EQ(quote, "it'sover");
  EXPECT_EQ(first, "ab ");
  EXPECT_EQ(second, "ab ");
  for (const Item& item : items) EXPECT_TRUE(item.assigned);
  EXPECT_EQ(read_line(lines.source()), ReadOutcome::kMade);  // "ignored"
  EXPECT_EQ(read_line(lines.source()), ReadOutcome::kEnd);
}

TEST(ReadFreeTest, RepeatedValueOfTheWrongKindIsUnreadable) {
  Lines lines("2*ab\n");
  std::string text;
  std::int32_t n = 5;
  std::vector<Item> items{Item::text(text, 2), Item::integer(n)};
  EXPECT_EQ(read_free(lines.source(), items), ReadOutcome::kUnreadable);
  EXPECT_EQ(text, "ab");
  EXPECT_TRUE(items[0].assigned);
  EXPECT_EQ(n, 5);
  EXPECT_FALSE(items[1].assigned);
}

}  // namespace
}  // namespace tf
