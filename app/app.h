// Start-up and the loop that runs the screens.
#pragma once

#include "app/program.h"
#include "app/screen.h"

namespace kestrel {

/// Loads the configuration, then the records, then clears the screen.
void startUp(Program& program);
/// Runs screens, beginning with first, until one ends the program.
void runScreens(Program& program, Screen first);
/// The whole run: start-up, then the screens from the main menu.
void runProgram(Program& program);

}  // namespace kestrel
