#include "app/main_menu.h"

namespace kestrel {

namespace {

void writeMenu(Program& program, std::uint32_t count) {
  Console& out = program.console;
  const Configuration& config = program.config;
  out.writeLine("\n\n\n\n\n");
  out.writeLine(config.label("title"));
  out.writeLine("\n\n\n");
  out.writeLine(config.label("insert"));
  out.writeLine("\n");
  out.writeLine(config.label("select"));
  out.writeLine("\n");
  out.writeLine(config.label("find"));
  out.writeLine("\n");
  out.writeLine(config.label("delete_all"));
  out.writeLine("\n");
  out.writeLine(config.label("exit"));
  out.writeLine(config.label("delimiter1"));
  out.writeLine("\n");
  if (count == 0) {
    out.writeLine(config.label("empty"));
  } else {
    out.writeText(config.label("num_records"));
    out.writeNumber(count);
    out.writeText(".");
  }
  out.flush();
}

Screen farewell(Program& program) {
  Console& out = program.console;
  out.writeLine("\n\n\n\n\n");
  out.writeLine(program.config.label("thanks1"));
  out.writeLine("\n\n");
  out.writeLine(program.config.label("thanks2"));
  out.writeLine("\n");
  out.flush();
  return screen::End{};
}

}  // namespace

Screen mainMenu(Program& program) {
  program.matches.clear();
  const auto count = static_cast<std::uint32_t>(program.records.size());
  writeMenu(program, count);
  for (;;) {
    const unsigned char key = program.console.readKey();
    switch (key) {
      case '1':
        program.console.clearScreen();
        return screen::InsertRecord{};
      case '2':
      case '3':
      case '4':
        if (count == 0) {
          break;  // nothing to select, find or delete
        }
        program.console.clearScreen();
        if (key == '2') {
          return screen::SelectRecord{};
        }
        return key == '3' ? Screen(screen::FindRecords{}) : Screen(screen::DeleteDatabase{});
      case 'x':
      case 'X':
        program.console.clearScreen();
        return farewell(program);
      default:
        break;  // not a key of this menu: nothing happens
    }
  }
}

}  // namespace kestrel
