#include "text/console.h"

#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>
#include <string>

#include "game/main_program.h"
#include "support/dialogue.h"
#include "text/fatal.h"

namespace tf {
namespace {

class ConsoleTest : public testing::Test {
 protected:
  void type(const std::string& text) {
    in_.str(text);
    in_.clear();
  }

  std::istringstream in_;
  std::ostringstream out_;
  Console console_{in_, out_};
};

struct AnswerCase {
  std::string typed;
  Answer answer;
  std::int32_t value;  // 77 before the prompt
};

TEST_F(ConsoleTest, AnswerPromptByWhatIsTyped) {
  const AnswerCase cases[] = {
      {"4\n", Answer::kValue, 4},           {"  4\n", Answer::kValue, 4},
      {"+4\n", Answer::kValue, 4},          {"-4\n", Answer::kValue, -4},
      {"4,5\n", Answer::kValue, 4},         {"4 5\n", Answer::kValue, 4},
      {"4 x\n", Answer::kValue, 4},         {"4/\n", Answer::kValue, 4},
      {"2*4\n", Answer::kValue, 4},         {"+\n", Answer::kValue, 0},
      {"-\n", Answer::kValue, 0},           {"4\r\n", Answer::kValue, 4},
      {"\t4\n", Answer::kValue, 4},         {"4\n5", Answer::kValue, 4},
      {",\n", Answer::kNull, 77},           {",4\n", Answer::kNull, 77},
      {"/\n", Answer::kNull, 77},           {"/4\n", Answer::kNull, 77},
      {"\n\n   \n4\n", Answer::kValue, 4},  {"3.5\n", Answer::kUnreadable, 77},
      {"4.\n", Answer::kUnreadable, 77},    {"1e2\n", Answer::kUnreadable, 77},
      {"x\n", Answer::kUnreadable, 77},     {"four\n", Answer::kUnreadable, 77},
      {"\"4\"\n", Answer::kUnreadable, 77}, {"'4'\n", Answer::kUnreadable, 77},
      {"4x\n", Answer::kUnreadable, 77},    {"2147483648\n", Answer::kUnreadable, 77},
  };
  for (const AnswerCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "typed: " << testing::PrintToString(c.typed));
    type(c.typed);
    out_.str("");
    std::int32_t answer = 77;
    EXPECT_EQ(console_.answer_prompt("  Task : ", answer), c.answer);
    EXPECT_EQ(answer, c.value);
    EXPECT_EQ(out_.str(), "  Task : ");  // the prompt and nothing else
  }
}

TEST_F(ConsoleTest, AnswerPromptAtEndOfInputIsFatal) {
  // A last fragment never ended by <Enter> is not an answer.
  for (const char* typed : {"", "\n", "  \n\n", "4", "\n4", "x"}) {
    SCOPED_TRACE(testing::Message() << "typed: " << testing::PrintToString(typed));
    type(typed);
    std::int32_t answer = 77;
    try {
      console_.answer_prompt("? ", answer);
      ADD_FAILURE() << "no fatal error";
    } catch (const FatalIoError& e) {
      EXPECT_EQ(e.header(), FatalIoError::kHeader);
      EXPECT_EQ(e.message(), "Attempt to read past end of file");
    }
    EXPECT_EQ(answer, 77);
  }
}

TEST_F(ConsoleTest, EachAnswerBeginsOnANewLine) {
  type("4 5\n,6\n\n7 8\nx\n9\n");
  std::int32_t answer = 0;
  EXPECT_EQ(console_.answer_prompt("A: ", answer), Answer::kValue);
  EXPECT_EQ(answer, 4);
  EXPECT_EQ(console_.answer_prompt("A: ", answer), Answer::kNull);
  EXPECT_EQ(answer, 4);
  EXPECT_EQ(console_.answer_prompt("A: ", answer), Answer::kValue);
  EXPECT_EQ(answer, 7);
  EXPECT_EQ(console_.answer_prompt("A: ", answer), Answer::kUnreadable);
  EXPECT_EQ(console_.answer_prompt("A: ", answer), Answer::kValue);
  EXPECT_EQ(answer, 9);
  EXPECT_EQ(out_.str(), "A: A: A: A: A: ");
}

TEST_F(ConsoleTest, EnterWaitTakesOneLineWhateverItHolds) {
  type("\n12 x\n5\n");
  console_.enter_wait();
  console_.enter_wait();
  std::int32_t answer = 0;
  EXPECT_EQ(console_.answer_prompt("", answer), Answer::kValue);
  EXPECT_EQ(answer, 5);
  EXPECT_THROW(console_.enter_wait(), FatalIoError);
}

TEST_F(ConsoleTest, EnterWaitAtALastFragmentIsTheEndOfInput) {
  type("\nx");
  console_.enter_wait();
  EXPECT_THROW(console_.enter_wait(), FatalIoError);
}

}  // namespace
}  // namespace tf

namespace tf {
namespace {

using test::TempDir;

// Output that the console cannot take: every write fails.
class FullDevice : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
  std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(MainProgram, ConsoleOutputThatFailsEndsTheRun) {
  TempDir dir;
  FullDevice full;
  std::ostream out(&full);
  std::istringstream in("\n");
  std::ostringstream err;
  EXPECT_EQ(run_game(GameIo{in, out, err, dir.path(), -1}), 255);
  EXPECT_EQ(err.str().substr(0, 16), "? System Error:\n");
  EXPECT_NE(err.str().find("? Writing to the console\n"), std::string::npos);
}

}  // namespace
}  // namespace tf
