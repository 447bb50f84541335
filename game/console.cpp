#include "game/console.h"

#include <cerrno>
#include <vector>

#include "game/fatal.h"

namespace tf {

namespace {
const char* const kConsoleRead = "Reading a line from the console";

// Output that did not reach the console (a full disk behind a redirection,
// a closed pipe) ends the run like any other failed write.
void written(std::ostream& out) {
  out.flush();
  if (!out) throw FatalIoError::system(errno != 0 ? errno : EIO, "Writing to the console");
}
}  // namespace

Console::Console(std::istream& in, std::ostream& out, std::ostream& err)
    : in_(in, LineSource::LastFragment::kIsEnd), out_(&out), err_(&err) {}

void Console::free_line(std::string_view text) {
  *out_ << ' ' << text << '\n';
  written(*out_);
}

void Console::formatted_line(std::string_view text) {
  *out_ << text << '\n';
  written(*out_);
}

void Console::prompt(std::string_view text) {
  *out_ << text;
  written(*out_);
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
