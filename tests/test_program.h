// A program state for tests: a scripted console, a file system (the real one
// unless given) and the default configuration, in the test's working folder.
#pragma once

#include "app/program.h"
#include "config/configuration.h"
#include "script_console.h"

namespace kestrel {

struct TestProgram {
  explicit TestProgram(FileSystem& files = systemFileSystem()) : program(console, files) {
    program.config = defaultConfiguration();
  }
  ScriptConsole console;
  Program program;
};

/// The default margin of the screens, 16 spaces.
inline const std::string kMargin(16, ' ');

}  // namespace kestrel
