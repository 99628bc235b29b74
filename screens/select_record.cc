// The record selection: the user types a record number, and the record
// display follows below the typed line.
#include "console/fatal_error.h"
#include "screens/screens.h"

namespace kestrel {

std::uint32_t recordNumberFrom(std::string_view line) {
  std::uint32_t number = 0;
  for (const char c : line) {
    if (c < '0' || c > '9') {
      continue;  // digits count wherever they stand; everything else is skipped
    }
    const std::uint32_t digit = static_cast<std::uint32_t>(c - '0');
    if (number > (0xFFFFFFFFu - digit) / 10) {
      throw FatalError("Error: overflow " + std::to_string(number) + c);
    }
    number = number * 10 + digit;
  }
  return number;
}

std::uint32_t askRecordNumber(Program& program, std::uint32_t count) {
  Console& console = program.console;
  for (;;) {
    console.writeText(program.config.label("record_entry"));
    console.writeNumber(count);
    console.writeText(": ");
    const std::string line = console.readLine();
    if (line.empty()) {
      return 0;
    }
    const std::uint32_t number = recordNumberFrom(line);
    if (number >= 1 && number <= count) {
      return number;
    }
  }
}

Screen selectRecord(Program& program) {
  Console& console = program.console;
  console.writeLine("\n");
  console.writeText(program.config.label("record_display"));
  console.writeText("\n");
  console.writeText(program.config.label("delimiter3"));
  console.writeLine("\n");
  const std::uint32_t number =
      askRecordNumber(program, static_cast<std::uint32_t>(program.records.size()));
  if (number == 0) {
    console.clearScreen();
    return screen::MainMenu{};
  }
  return screen::ShowRecord{number - 1};
}

}  // namespace kestrel
