#include "game/console.h"

#include <vector>

#include "game/fatal.h"

namespace tf {

namespace {
const char* const kConsoleRead = "Reading a line from the console";
}  // namespace

Console::Console(std::istream& in, std::ostream& out, std::ostream& err)
    : in_(in), out_(&out), err_(&err) {}

void Console::free_line(std::string_view text) {
  *out_ << ' ' << text << '\n';
  out_->flush();
}

void Console::formatted_line(std::string_view text) {
  *out_ << text << '\n';
  out_->flush();
}

void Console::prompt(std::string_view text) {
  *out_ << text;
  out_->flush();
}

void Console::spacer() { free_line("  "); }

void Console::rule() { free_line(" ---------------"); }

void Console::enter_wait() {
  if (read_line(in_) == ReadOutcome::kEnd) throw FatalIoError::past_end(kConsoleRead);
}

Answer Console::answer_prompt(std::string_view prompt_text, std::int32_t& answer) {
  prompt(prompt_text);
  std::vector<Item> items{Item::integer(answer)};
  switch (read_free(in_, items)) {
    case ReadOutcome::kEnd:
      throw FatalIoError::past_end(kConsoleRead);
    case ReadOutcome::kUnreadable:
      return Answer::kUnreadable;
    case ReadOutcome::kMade:
      break;
  }
  return items[0].assigned ? Answer::kValue : Answer::kNull;
}

}  // namespace tf
