#include "console/console.h"

#include <string>

namespace kestrel {

void Console::writeLine(std::string_view text) {
  writeText(text);
  writeText("\n");
}

void Console::writeNumber(std::uint64_t number) {
  writeText(std::to_string(number));
}

void Console::writePosition(std::uint32_t a, std::uint32_t b) {
  writeText(" ");
  writeNumber(a);
  writeText("/");
  writeNumber(b);
}

}  // namespace kestrel
