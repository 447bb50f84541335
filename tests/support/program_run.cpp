// Runs of the built program through the shell under a frozen clock: built
// only where a POSIX shell and faketime run.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/dialogue.h"

namespace tf::test {

RunResult run_program(const TempDir& dir, const std::string& input, const std::string& clock,
                      const std::string& wrapper) {
  dir.write(".stdin", input);
  const std::string d = dir.path().string();
  // faketime preloads its library ahead of the sanitizers' runtime; the
  // sanitizer build accepts that order.
  const std::string command = "cd '" + d + "' && TZ=UTC ASAN_OPTIONS=verify_asan_link_order=0 " +
                              wrapper + " faketime -f '" + clock + "' '" + TF_BINARY +
                              "' < .stdin > .stdout 2> .stderr";
  const int raw = std::system(command.c_str());
  RunResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.out = dir.read(".stdout");
  result.err = dir.read(".stderr");
  std::filesystem::remove(dir.path() / ".stdin");
  std::filesystem::remove(dir.path() / ".stdout");
  std::filesystem::remove(dir.path() / ".stderr");
  return result;
}

}  // namespace tf::test
