#include "console/error_report.h"

namespace kestrel {

int reportError(Console& console, std::string_view message) {
  console.writeText("Error: ");
  console.writeLine(message);
  console.flush();
  return 1;
}

}  // namespace kestrel
