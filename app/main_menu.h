// The main menu, from which all work begins and through which the program ends.
#pragma once

#include "app/program.h"
#include "app/screen.h"

namespace kestrel {

/// Draws the menu with the record count and waits for an accepted key.
Screen mainMenu(Program& program);

}  // namespace kestrel
