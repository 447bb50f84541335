#include "game/free_format.h"

#include <stdexcept>

namespace tf {

bool LineSource::next_line(std::string&) { throw std::logic_error("LineSource: not built yet"); }

Item Item::integer(std::int32_t& target) {
  Item item;
  item.kind = Kind::kInt;
  item.int_target = &target;
  return item;
}

Item Item::real(double& target) {
  Item item;
  item.kind = Kind::kReal;
  item.real_target = &target;
  return item;
}

Item Item::text(std::string& target, int length) {
  Item item;
  item.kind = Kind::kText;
  item.text_target = &target;
  item.length = length;
  return item;
}

ReadOutcome read_free(LineSource&, std::vector<Item>&) {
  throw std::logic_error("read_free: not built yet");
}

ReadOutcome read_line(LineSource&) { throw std::logic_error("read_line: not built yet"); }

}  // namespace tf
