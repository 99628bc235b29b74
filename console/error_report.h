// The top-level error report: the one place where an error ends the program.
#pragma once

#include <string_view>

#include "console/console.h"

namespace kestrel {

/// Writes "Error: ", the message and "\n", flushes, and returns the exit status 1.
int reportError(Console& console, std::string_view message);

}  // namespace kestrel
