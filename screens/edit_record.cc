// Record editing: every field is offered for retyping below its current
// value; an empty reply keeps the field.
#include "screens/screens.h"
#include "store/record_file.h"

namespace kestrel {

Screen editRecord(Program& program, std::uint32_t index) {
  Console& console = program.console;
  const Configuration& config = program.config;
  // The reply is typed right below the current value it replaces.
  const std::string indent(config.columnLabelWidth(), ' ');
  Record& record = program.records[index];

  console.clearScreen();
  console.writeLine("\n\n\n");
  console.writeText(config.label("editing"));
  console.writeNumber(index + 1);
  console.writeText("\n");
  console.writeText(config.label("delimiter3"));
  console.writeLine("\n");
  for (std::size_t i = 0; i < config.columnLabels.size(); ++i) {
    console.writeText("\n");
    console.writeText(config.columnLabels[i]);
    console.writeText(record[i]);
    console.writeText("\n\n");
    console.writeText(indent);
    std::string reply = console.readLine();
    // A reply that is exactly the record separator would end the record when
    // the file is read again; it keeps the field like an empty reply.
    if (!reply.empty() && reply != kRecordSeparator) {
      record[i] = std::move(reply);
    }
  }
  console.clearScreen();
  saveRecords(program);
  return screen::SelectRecord{};
}

}  // namespace kestrel
