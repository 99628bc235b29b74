#include "config/config_file.h"

#include <optional>
#include <string>

#include "app/program.h"
#include "console/fatal_error.h"

namespace kestrel {

void loadConfiguration(Program& program) {
  if (!program.files.exists(program.configFilePath)) {
    program.config = defaultConfiguration();
    saveConfiguration(program);
    return;
  }
  const std::optional<std::string> content = program.files.readFile(program.configFilePath);
  if (!content) {
    throw FatalError("Cannot open or create file '" + program.configFilePath + "'");
  }
  program.config = parseConfiguration(*content);
}

void saveConfiguration(Program& program) {
  if (!replaceFile(program.files, program.configFilePath, formatConfiguration(program.config))) {
    program.console.writeLine(program.config.label("ferror"));
  }
}

}  // namespace kestrel
