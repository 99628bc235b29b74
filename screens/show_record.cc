// The record display: one record behind its aligned column labels. While a
// keyword search's matches are set it steps through them, otherwise through
// the whole table.
#include "screens/screens.h"

namespace kestrel {

namespace {

// Where "n" and "b" lead from the record on screen, if anywhere.
struct Neighbours {
  bool hasNext;
  bool hasPrevious;
};

void writeHeader(Program& program, std::uint32_t index) {
  Console& out = program.console;
  const Configuration& config = program.config;
  out.writeLine("\n\n\n");
  out.writeLine(config.label("delimiter5"));
  out.writeText("\n");
  out.writeText(config.label("record_number"));
  out.writeNumber(index + 1);
  out.writeLine(":");
  out.writeText("\n");
  out.writeText(config.label("delimiter5"));
  out.writeLine("\n\n");
}

void writeFields(Program& program, const Record& record) {
  Console& out = program.console;
  const std::vector<std::string>& columnLabels = program.config.columnLabels;
  for (std::size_t i = 0; i < columnLabels.size(); ++i) {
    out.writeLine(" ");
    out.writeText(columnLabels[i]);
    out.writeLine(record[i]);
  }
  out.writeLine(program.config.label("delimiter6"));
}

// Writes the navigation lines: position counts records in browse mode and
// matches in match mode.
Neighbours writeNavigation(Program& program, std::uint32_t position, std::uint32_t total,
                           std::string_view nextKey, std::string_view previousKey) {
  Console& out = program.console;
  const Neighbours neighbours{position + 1 < total, position > 0};
  if (neighbours.hasNext) {
    out.writeText("\n");
    out.writeText(program.config.label(nextKey));
    out.writePosition(position + 2, total);
  }
  if (neighbours.hasPrevious) {
    out.writeText("\n\n");
    out.writeText(program.config.label(previousKey));
    out.writePosition(position, total);
  }
  return neighbours;
}

void writeChoices(Program& program, std::uint32_t index) {
  Console& out = program.console;
  const Configuration& config = program.config;
  out.writeText("\n\n");
  out.writeText(config.label("select_new"));
  out.writeText("\n\n");
  out.writeText(config.label("edit"));
  out.writeNumber(index + 1);
  out.writeText("\n\n");
  out.writeText(config.label("delete_record"));
  out.writeNumber(index + 1);
  out.writeText("\n\n");
  out.writeLine(config.label("back"));
  out.flush();
}

}  // namespace

Screen showRecord(Program& program, std::uint32_t index) {
  const bool matchMode = !program.matches.empty();
  writeHeader(program, index);
  writeFields(program, program.records[index]);
  const Neighbours neighbours =
      matchMode
          ? writeNavigation(program, program.currentMatch,
                            static_cast<std::uint32_t>(program.matches.size()), "next_match",
                            "previous_match")
          : writeNavigation(program, index, static_cast<std::uint32_t>(program.records.size()),
                            "browse_next", "browse_back");
  writeChoices(program, index);

  Console& console = program.console;
  for (;;) {
    switch (console.readKey()) {
      case 'n':
        if (neighbours.hasNext) {
          console.clearScreen();
          if (!matchMode) {
            return screen::ShowRecord{index + 1};
          }
          return screen::ShowRecord{program.matches[++program.currentMatch]};
        }
        break;
      case 'b':
        if (neighbours.hasPrevious) {
          console.clearScreen();
          if (!matchMode) {
            return screen::ShowRecord{index - 1};
          }
          return screen::ShowRecord{program.matches[--program.currentMatch]};
        }
        break;
      case '2':
        console.clearScreen();
        return screen::SelectRecord{};
      case '3':
        return screen::EditRecord{index};  // the editing screen clears the screen itself
      case '4':
        console.clearScreen();
        return screen::DeleteRecord{index};
      case 'x':
      case 'X':
        console.clearScreen();
        return screen::MainMenu{};
      default:
        break;
    }
  }
}

}  // namespace kestrel
