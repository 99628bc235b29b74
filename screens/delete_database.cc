// Deleting the whole database after a confirmation. The configuration, with
// its learned characters, stays as it is.
#include "screens/screens.h"
#include "store/record_file.h"

namespace kestrel {

Screen deleteDatabase(Program& program) {
  Console& console = program.console;
  const Configuration& config = program.config;
  console.writeLine("\n\n\n\n\n\n\n\n\n\n\n\n\n\n");
  console.writeText(config.label("confirm_deletion"));
  console.writeText("\n");
  console.writeText(config.label("delimiter7"));
  console.writeLine("\n");
  console.writeText(config.text("yes"));
  console.writeLine("\n");
  console.writeText(config.text("no"));
  console.flush();
  for (;;) {
    switch (console.readKey()) {
      case 'y':
      case 'Y':
        program.records.clear();
        removeRecordFile(program);
        console.clearScreen();
        return screen::MainMenu{};
      case 'n':
      case 'N':
        console.clearScreen();
        return screen::MainMenu{};
      default:
        break;
    }
  }
}

}  // namespace kestrel
