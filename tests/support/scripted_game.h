// In-process dialogue harness: a Game whose console reads a scripted input
// and whose file channel works in a temporary folder of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "game/game.h"
#include "support/dialogue.h"
#include "text/console.h"
#include "text/file_channel.h"

namespace tf::test {

// A game of `nplant` entries, every one kept, ID e at index e - 1, all from
// a cross of parents 3 and 12.
class ScriptedGame {
 public:
  explicit ScriptedGame(std::size_t nplant) {
    game.entries.create(nplant);
    for (std::size_t e = 0; e < nplant; ++e) {
      game.entries.id[e] = static_cast<std::int32_t>(e + 1);
      game.entries.plantpar[e] = {3, 12};
      game.entries.keep[e] = 1;
    }
  }

  std::filesystem::path results_path() const { return dir.path() / "Results.csv"; }
  std::string results() const { return slurp(results_path()); }
  void set_results(const std::string& bytes) const { write_file(results_path(), bytes); }
  // A line of console input; `file`, when given, is what the player saved
  // as Results.csv before typing it.
  void type(std::string text) { input.add(std::move(text)); }
  void save_then_enter(std::string file) {
    const std::filesystem::path path = results_path();
    input.add("", [path, bytes = std::move(file)] { write_file(path, bytes); });
  }
  void enter(std::function<void()> before = {}) { input.add("", std::move(before)); }

  // The IDs whose KEEP is 1.
  std::vector<std::int32_t> kept() const {
    std::vector<std::int32_t> ids;
    for (std::size_t e = 0; e < game.entries.nplant(); ++e) {
      if (game.entries.keep[e] == 1) ids.push_back(static_cast<std::int32_t>(e + 1));
    }
    return ids;
  }
  void keep_only(const std::vector<std::int32_t>& ids) {
    for (std::int32_t& k : game.entries.keep) k = 0;
    for (const std::int32_t id : ids) game.entries.keep[static_cast<std::size_t>(id) - 1] = 1;
  }

  TempDir dir;
  ScriptedInput input;
  std::istream in{&input};
  std::ostringstream out;
  std::ostringstream err;
  Console con{in, out};
  FlakyChannel files{dir.path()};
  Game game{con, files, {}, {}, {}, {}, {}, {}};
};

// The two lines and the wait of the read-back's first step, as shown.
inline const std::string kStepA =
    "  - After making your selections, SAVE and CLOSE the CSV file\n"
    "    then return to this window and press <Enter> to continue\n";

}  // namespace tf::test
