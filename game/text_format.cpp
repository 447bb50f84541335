#include "game/text_format.h"

#include <stdexcept>

namespace tf {

std::string int_field(std::int32_t value, int width) {
  std::string digits = std::to_string(value);
  if (static_cast<int>(digits.size()) > width) return std::string(static_cast<std::size_t>(width), '*');
  return std::string(static_cast<std::size_t>(width) - digits.size(), ' ') + digits;
}

std::string fixed_field(double, int, int) { throw std::logic_error("fixed_field: not built yet"); }

std::string fixed_field(float, int, int) { throw std::logic_error("fixed_field: not built yet"); }

std::string text_field(std::string_view text, int width) {
  std::string out(text.substr(0, static_cast<std::size_t>(width)));
  out.resize(static_cast<std::size_t>(width), ' ');
  return out;
}

}  // namespace tf
