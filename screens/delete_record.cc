// Deleting the record on screen: at once, without a question. The records
// after it move up one number.
#include "screens/screens.h"
#include "store/record_file.h"

namespace kestrel {

Screen deleteRecord(Program& program, std::uint32_t index) {
  Console& console = program.console;
  const Configuration& config = program.config;
  program.matches.clear();
  program.records.erase(program.records.begin() + index);

  console.writeLine("\n\n\n");
  console.writeText(config.label("delimiter4"));
  console.writeText("\n");
  console.writeText(config.label("record_deleted1"));
  console.writeNumber(index + 1);
  console.writeText(config.text("record_deleted2"));
  console.writeText("\n");
  console.writeText(config.label("delimiter4"));
  console.writeText("\n\n\n");
  if (!program.records.empty()) {
    saveRecords(program);
    return screen::SelectRecord{};
  }
  removeRecordFile(program);
  return screen::MainMenu{};
}

}  // namespace kestrel
