#include "text/console.h"

#include <cerrno>

#include "text/fatal.h"

namespace tf {

const char* const Console::kReadOperation = "Reading a line from the console";

namespace {

// Output that did not reach the console (a full disk behind a redirection,
// a closed pipe) ends the run like any other failed write.
void written(std::ostream& out) {
  out.flush();
  if (!out) throw FatalIoError::system(errno != 0 ? errno : EIO, "Writing to the console");
}
}  // namespace

Console::Console(std::istream& in, std::ostream& out)
    : in_(in, kReadOperation, LineSource::LastFragment::kIsEnd), out_(&out) {}

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

void Console::section_opening() {
  spacer();
  rule();
  spacer();
}

void Console::enter_wait() {
  if (read_line(in_) == ReadOutcome::kEnd) throw FatalIoError::past_end(kReadOperation);
}

Answer Console::answer_prompt(std::string_view prompt_text, std::int32_t& answer) {
  prompt(prompt_text);
  const Answer got = read_value(in_, Item::integer(answer));
  if (got == ValueRead::kEnd) throw FatalIoError::past_end(kReadOperation);
  return got;
}

}  // namespace tf
