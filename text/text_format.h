// Fields of a formatted line: integers, fixed-point numbers and texts laid out
// in a fixed width, right-justified (numbers) or left-justified (texts).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tf {

// The decimal digits of `value`, a minus sign in front when negative,
// right-justified in `width`; `width` asterisks when it does not fit.
std::string int_field(std::int32_t value, int width);

// A double-precision value with `decimals` decimals, right-justified in
// `width`. Its decimal digits are the exact expansion of the value scaled to
// [1, 10), cut to 17 significant digits; the last shown digit is rounded half
// up on those digits. "NaN" and "INF" (with "-" when the sign bit is set) for
// values that are not finite; `width` asterisks when the text does not fit.
std::string fixed_field(double value, int width, int decimals);

// The same for a single-precision value, whose scaled expansion is rounded
// half up to 8 significant digits, so that a float shows the decimal it was
// made from (249970.0f shows 249970.00, not 249969.99).
std::string fixed_field(float value, int width, int decimals);

// `text` left-justified in `width`: cut to its first `width` characters, or
// padded with blanks on the right.
std::string text_field(std::string_view text, int width);

}  // namespace tf
