// The console dialogue: standard input read one whole line at a time and
// standard output for the dialogue (the fatal report on standard error is
// the main program's). Every line and every prompt is flushed as soon as it
// is written.
#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <string_view>

#include "text/free_format.h"

namespace tf {

// What an answer prompt got: the integer's value, a null value (the answer
// keeps its previous one) or an unreadable value (the caller asks again in
// its own way); never kEnd, as the end of the input ends the run.
using Answer = ValueRead;

class Console {
 public:
  // The fatal report's operation for a failed read of the console.
  static const char* const kReadOperation;

  Console(std::istream& in, std::ostream& out);

  // One blank, then the text with all its characters, then a line feed.
  void free_line(std::string_view text);
  // The laid-out text exactly, then a line feed.
  void formatted_line(std::string_view text);
  // The laid-out text exactly, leaving the cursor on the line.
  void prompt(std::string_view text);
  // The free-form line of two blanks: three blanks on the screen.
  void spacer();
  // The free-form line " ---------------".
  void rule();
  // What opens each section of the dialogue (the menu, a task, the release):
  // a spacer line, the rule, a spacer line.
  void section_opening();

  // Reads one console line, whatever it holds, and ignores it. At the end of
  // the console input the run ends with the fatal report.
  void enter_wait();

  // Writes `prompt_text` as a prompt line and reads one integer in free
  // format into `answer`. At the end of the console input the run ends with
  // the fatal report instead of asking for ever.
  Answer answer_prompt(std::string_view prompt_text, std::int32_t& answer);

 private:
  LineSource in_;
  std::ostream* out_;
};

}  // namespace tf
