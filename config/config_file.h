// Reading and writing the configuration file.
#pragma once

namespace kestrel {

struct Program;

/// Reads the configuration file into program.config, or sets the defaults
/// and writes them when no file exists; throws FatalError when the file
/// cannot be read or holds a bad number.
void loadConfiguration(Program& program);
/// Rewrites the whole configuration file from program.config; writes the
/// ferror line and leaves the file alone when it cannot be created.
void saveConfiguration(Program& program);

}  // namespace kestrel
