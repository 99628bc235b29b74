#include "app/app.h"

#include "app/main_menu.h"
#include "config/config_file.h"
#include "screens/screens.h"
#include "store/record_file.h"

namespace kestrel {

namespace {

template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace

void startUp(Program& program) {
  loadConfiguration(program);
  loadRecords(program);
  program.console.clearScreen();
}

void runScreens(Program& program, Screen first) {
  // Each screen returns the next one, so the stack stays flat however long
  // the user walks through the screens.
  Screen current = first;
  while (!std::holds_alternative<screen::End>(current)) {
    current = std::visit(Overloaded{
                             [&](screen::MainMenu) { return mainMenu(program); },
                             [&](screen::InsertRecord) { return insertRecord(program); },
                             [&](screen::SelectRecord) { return selectRecord(program); },
                             [&](screen::ShowRecord s) { return showRecord(program, s.index); },
                             [&](screen::EditRecord s) { return editRecord(program, s.index); },
                             [&](screen::DeleteRecord s) { return deleteRecord(program, s.index); },
                             [&](screen::FindRecords) { return findRecords(program); },
                             [&](screen::DeleteDatabase) { return deleteDatabase(program); },
                             [&](screen::End) { return Screen(screen::End{}); },
                         },
                         current);
  }
}

void runProgram(Program& program) {
  startUp(program);
  runScreens(program, screen::MainMenu{});
}

}  // namespace kestrel
