// The keyword search: every record with a field that holds the keyword, ASCII
// case and taught case pairs ignored, is listed and shown in match mode.
#include "screens/screens.h"
#include "store/folding.h"

namespace kestrel {

namespace {

// The comparison form of a keyword or a field: folded, ASCII letters lowered.
// Spaces are kept: they are part of a keyword.
std::string searchForm(Program& program, std::string_view text) {
  return lowerAscii(foldSpecialCharacters(program, text));
}

bool holdsKeyword(Program& program, const Record& record, const std::string& keyword) {
  for (const std::string& field : record) {
    if (searchForm(program, field).find(keyword) != std::string::npos) {
      return true;  // the remaining fields are not examined
    }
  }
  return false;
}

// "N." and the record numbers: "1.4.", "2.2 and 7.", "3.1, 3 and 9.".
void writeResult(Program& program) {
  Console& console = program.console;
  const Configuration& config = program.config;
  const std::vector<std::uint32_t>& matches = program.matches;
  console.writeLine("\n");
  console.writeText(config.label("number_matches"));
  console.writeNumber(matches.size());
  console.writeText(config.text("number_matches2"));
  for (std::size_t k = 0; k < matches.size(); ++k) {
    console.writeNumber(matches[k] + 1);
    if (k + 1 == matches.size()) {
      console.writeText(".");
    } else if (k + 2 == matches.size()) {
      console.writeText(config.text("and"));
    } else {
      console.writeText(", ");
    }
  }
  console.writeLine("\n\n");
  console.writeText(config.label("first_match"));
}

}  // namespace

Screen findRecords(Program& program) {
  Console& console = program.console;
  program.matches.clear();
  console.writeLine("\n");
  console.writeText(program.config.label("enter_keyword"));
  const std::string keyword = searchForm(program, console.readLine());
  if (keyword.empty()) {
    console.clearScreen();
    return screen::MainMenu{};
  }
  for (std::size_t i = 0; i < program.records.size(); ++i) {
    if (holdsKeyword(program, program.records[i], keyword)) {
      program.matches.push_back(static_cast<std::uint32_t>(i));
    }
  }
  if (program.matches.empty()) {
    console.writeLine("\n\n");
    console.writeLine(program.config.label("no_match"));
    return screen::MainMenu{};
  }
  writeResult(program);
  program.currentMatch = 0;
  return screen::ShowRecord{program.matches[0]};
}

}  // namespace kestrel
