#include "text/text_format.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace tf {

namespace {

std::size_t to_size(int width) { return static_cast<std::size_t>(std::max(width, 0)); }

std::string right_justified(const std::string& text, int width) {
  const std::size_t w = to_size(width);
  if (text.size() > w) return std::string(w, '*');
  return std::string(w - text.size(), ' ') + text;
}

// 10^k as the double nearest to it, 0 <= k <= 308.
double power_of_ten(int k) {
  static const std::array<double, 309> table = [] {
    std::array<double, 309> powers{};
    for (int i = 0; i < 309; ++i) {
      powers[static_cast<std::size_t>(i)] =
          std::strtod(("1e" + std::to_string(i)).c_str(), nullptr);
    }
    return powers;
  }();
  return table[static_cast<std::size_t>(k)];
}

// `magnitude` times 10^-k, in double precision: a division for k >= 0, a
// multiplication for k < 0 (in two steps beyond 10^308, which is the largest
// power of ten a double holds).
double scaled_by(double magnitude, int k) {
  if (k > 308) return magnitude / power_of_ten(308) / power_of_ten(k - 308);
  if (k >= 0) return magnitude / power_of_ten(k);
  if (-k > 308) return magnitude * power_of_ten(308) * power_of_ten(-k - 308);
  return magnitude * power_of_ten(-k);
}

// Significant decimal digits of a non-negative value: digits[0] (non-zero
// unless the value is 0) has the weight 10^exponent, each next digit a tenth
// of the one before.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

// The exact decimal expansion of `magnitude` brought to [1, 10) by a power of
// ten, with that power put back into the exponent.
Decimal scaled_expansion(double magnitude) {
  Decimal out;
  if (magnitude == 0.0) {
    out.digits = "0";
    return out;
  }
  int power = static_cast<int>(std::floor(std::log10(magnitude)));
  double scaled = scaled_by(magnitude, power);
  // The logarithm or the scaling may round across a power of ten; step once,
  // and keep the first result when the step would overshoot the other way.
  if (scaled >= 10.0) {
    const double next = scaled_by(magnitude, power + 1);
    if (next >= 1.0) {
      scaled = next;
      ++power;
    }
  } else if (scaled < 1.0) {
    const double next = scaled_by(magnitude, power - 1);
    if (next < 10.0) {
      scaled = next;
      --power;
    }
  }
  // A double above 0.1 has at most 56 binary, so 56 decimal, fraction digits:
  // 80 decimals print its exact value with nothing rounded.
  char buffer[128];
  const int length = std::snprintf(buffer, sizeof buffer, "%.80f", scaled);
  const std::string text(buffer, static_cast<std::size_t>(std::max(length, 0)));
  const std::size_t point = text.find('.');
  std::string digits = text.substr(0, point) + text.substr(point + 1);
  int exponent = power + static_cast<int>(point) - 1;
  const std::size_t first = digits.find_first_not_of('0');
  exponent -= static_cast<int>(first);
  digits.erase(0, first);
  digits.erase(digits.find_last_not_of('0') + 1);
  out.digits = digits;
  out.exponent = exponent;
  return out;
}

// Adds one unit to the last of `digits`, carrying as far as needed; true when
// the carry runs out of the top (the digits were all nines and are now zeros).
bool add_unit(std::string& digits) {
  for (std::size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return false;
    }
    digits[i] = '0';
  }
  return true;
}

void cut_to(Decimal& number, std::size_t significant) {
  if (number.digits.size() > significant) number.digits.resize(significant);
}

void round_half_up_to(Decimal& number, std::size_t significant) {
  if (number.digits.size() <= significant) return;
  const bool up = number.digits[significant] >= '5';
  number.digits.resize(significant);
  if (up && add_unit(number.digits)) {
    number.digits.insert(number.digits.begin(), '1');
    number.digits.pop_back();
    ++number.exponent;
  }
}

// The text of the number with `decimals` decimals, rounded half up on the
// given digits, with a sign only when a shown digit is not zero.
std::string fixed_text(const Decimal& number, bool negative, int decimals) {
  decimals = std::max(decimals, 0);
  const int top = std::max(number.exponent, 0);
  const int bottom = -decimals - 1;  // the first digit not shown
  std::string shown;
  for (int weight = top; weight >= bottom; --weight) {
    const int index = number.exponent - weight;
    const bool inside = index >= 0 && index < static_cast<int>(number.digits.size());
    shown.push_back(inside ? number.digits[static_cast<std::size_t>(index)] : '0');
  }
  const bool up = shown.back() >= '5';
  shown.pop_back();
  if (up && add_unit(shown)) shown.insert(shown.begin(), '1');

  std::size_t integer_digits = shown.size() - static_cast<std::size_t>(decimals);
  while (integer_digits > 1 && shown.front() == '0') {
    shown.erase(shown.begin());
    --integer_digits;
  }
  const bool nonzero = shown.find_first_not_of('0') != std::string::npos;
  std::string text = negative && nonzero ? "-" : "";
  text += shown.substr(0, integer_digits);
  text += '.';
  text += shown.substr(integer_digits);
  return text;
}

enum class Precision { kDouble, kSingle };

std::string fixed(double value, int width, int decimals, Precision precision) {
  if (std::isnan(value) || std::isinf(value)) {
    std::string text = std::signbit(value) ? "-" : "";
    text += std::isnan(value) ? "NaN" : "INF";
    return right_justified(text, width);
  }
  Decimal number = scaled_expansion(std::fabs(value));
  if (precision == Precision::kDouble) {
    cut_to(number, 17);
  } else {
    round_half_up_to(number, 8);
  }
  return right_justified(fixed_text(number, value < 0.0, decimals), width);
}

}  // namespace

std::string int_field(std::int32_t value, int width) {
  return right_justified(std::to_string(value), width);
}

std::string fixed_field(double value, int width, int decimals) {
  return fixed(value, width, decimals, Precision::kDouble);
}

std::string fixed_field(float value, int width, int decimals) {
  return fixed(static_cast<double>(value), width, decimals, Precision::kSingle);
}

std::string text_field(std::string_view text, int width) {
  std::string out(text.substr(0, to_size(width)));
  out.resize(to_size(width), ' ');
  return out;
}

}  // namespace tf
