// New record entry: the record is typed field by field, appended and saved
// at once, and then compared with every earlier record.
#include "screens/screens.h"
#include "store/folding.h"
#include "store/record_file.h"

namespace kestrel {

namespace {

// A field's comparison form: folded, stripped of surrounding whitespace,
// ASCII letters lowered.
std::string normalizeField(Program& program, std::string_view text) {
  return lowerAscii(std::string(stripWhitespace(foldSpecialCharacters(program, text))));
}

// Finds the earliest record before newIndex whose every field equals the new
// record's field at the same position; sets duplicateIndex when there is one.
bool findDuplicate(Program& program, std::uint32_t newIndex) {
  for (std::uint32_t i = 0; i < newIndex; ++i) {
    const std::size_t fieldCount = program.records[i].size();
    bool equal = fieldCount > 0;
    for (std::size_t j = 0; equal && j < fieldCount; ++j) {
      const std::string stored = normalizeField(program, program.records[i][j]);
      const Record& fresh = program.records[newIndex];
      // A stored record may hold more fields than the new one; those compare
      // against the empty text.
      const std::string typed = normalizeField(program, j < fresh.size() ? fresh[j] : "");
      equal = stored == typed;
    }
    if (equal) {
      program.duplicateIndex = i;
      return true;
    }
  }
  return false;
}

// Reads a field for the column; a line that is exactly the record separator
// would split the record when the file is read again, so it is asked again.
std::string readField(Program& program, const std::string& columnLabel) {
  for (;;) {
    program.console.writeLine(" ");
    program.console.writeText(columnLabel);
    std::string line = program.console.readLine();
    if (line != kRecordSeparator) {
      return line;
    }
  }
}

}  // namespace

Screen insertRecord(Program& program) {
  Console& console = program.console;
  const Configuration& config = program.config;
  console.writeLine("\n");
  console.writeText(config.label("new_record"));
  console.writeNumber(program.records.size() + 1);
  console.writeText("\n");
  console.writeLine(config.label("delimiter2"));
  console.writeLine("\n");
  if (config.columnLabels.empty()) {
    console.clearScreen();
    return screen::MainMenu{};
  }

  Record fresh;
  for (const std::string& columnLabel : config.columnLabels) {
    fresh.push_back(readField(program, columnLabel));
  }
  program.records.push_back(std::move(fresh));
  saveRecords(program);

  const auto newIndex = static_cast<std::uint32_t>(program.records.size() - 1);
  if (newIndex > 0 && findDuplicate(program, newIndex)) {
    console.writeLine("\n");
    console.writeText(config.label("record_exists"));
    return screen::ShowRecord{program.duplicateIndex};
  }
  console.clearScreen();
  return screen::MainMenu{};
}

}  // namespace kestrel
