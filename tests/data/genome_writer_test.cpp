// The genome writer, run with its default seed, writes the shipped files
// again: a change to the effect table, the meiosis, the evaluation or the
// writer that would alter data/ shows here. Where the files were written (the
// GNU C library) they must match byte for byte; another C library may round a
// last printed digit otherwise, so every value must match to within one unit
// of its last digit.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "support/dialogue.h"

namespace tf {
namespace {

// The shipped files were written with the GNU C library's printf and libm.
#if defined(__GLIBC__)
constexpr bool kWrittenWithThisLibrary = true;
#else
constexpr bool kWrittenWithThisLibrary = false;
#endif

using Records = std::vector<std::vector<std::string>>;

// The comma-separated fields of every line (a carriage return at its end
// dropped).
Records records_of(const std::string& text) {
  Records records;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream fields(line);
    records.emplace_back();
    for (std::string field; std::getline(fields, field, ',');) records.back().push_back(field);
  }
  return records;
}

// A decimal number as written: its value in units of its last digit, and
// the number of digits after the point.
struct Printed {
  long long units = 0;
  std::size_t decimals = 0;
};

std::optional<Printed> printed(const std::string& text) {
  Printed p;
  std::size_t i = text.size() > 0 && text[0] == '-' ? 1 : 0;
  std::size_t digits = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    if (text[i] == '.' && !point) {
      point = true;
    } else if (text[i] >= '0' && text[i] <= '9' && digits < 18) {
      p.units = 10 * p.units + (text[i] - '0');
      ++digits;
      if (point) ++p.decimals;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0) return std::nullopt;
  if (text[0] == '-') p.units = -p.units;
  return p;
}

// Same lines, same fields; integers equal, reals with as many decimals and
// at most one unit of the last apart. Reports the first field that differs.
void expect_same_values(const std::string& written, const std::string& shipped) {
  const Records w = records_of(written), s = records_of(shipped);
  ASSERT_EQ(w.size(), s.size()) << "lines";
  for (std::size_t line = 0; line < s.size(); ++line) {
    ASSERT_EQ(w[line].size(), s[line].size()) << "fields of line " << line + 1;
    for (std::size_t f = 0; f < s[line].size(); ++f) {
      const std::optional<Printed> a = printed(w[line][f]), b = printed(s[line][f]);
      const bool close = a && b && a->decimals == b->decimals &&
                         std::llabs(a->units - b->units) <= (b->decimals > 0 ? 1 : 0);
      ASSERT_TRUE(close) << "line " << line + 1 << ", field " << f + 1 << ": written " << w[line][f]
                         << ", shipped " << s[line][f];
    }
  }
}

// The first line in which two texts differ, for the report.
std::string first_difference(const std::string& written, const std::string& shipped) {
  std::istringstream w(written), s(shipped);
  std::string a, b;
  for (int line = 1;; ++line) {
    const bool more_w = static_cast<bool>(std::getline(w, a));
    const bool more_s = static_cast<bool>(std::getline(s, b));
    if (!more_w && !more_s) return "the same lines; the end of the last differs";
    if (a != b || more_w != more_s)
      return "line " + std::to_string(line) + ": written \"" + a + "\", shipped \"" + b + "\"";
  }
}

TEST(GenomeWriter, DefaultSeedWritesTheShippedFiles) {
  const test::TempDir dir;
  const std::string log = (dir.path() / "make_genome.log").string();
  std::string command = "\"" + std::string(TF_GENOME_WRITER) + "\" \"" + dir.path().string() +
                        "\" > \"" + log + "\" 2>&1";
#if defined(_WIN32)
  command = "\"" + command + "\"";  // cmd /c drops the outer pair of quotes
#endif
  ASSERT_EQ(std::system(command.c_str()), 0) << test::slurp(log);
  for (const char* name : {"zForbidden.csv", "zHandsOff.csv", "zKeepOut.csv"}) {
    SCOPED_TRACE(name);
    const std::string written = dir.read(name);
    const std::string shipped = test::slurp(std::string(TF_DATA_DIR) + "/" + name);
    ASSERT_FALSE(shipped.empty());
    expect_same_values(written, shipped);
    if (kWrittenWithThisLibrary) {
      EXPECT_TRUE(written == shipped) << first_difference(written, shipped);
    }
  }
}

}  // namespace
}  // namespace tf
