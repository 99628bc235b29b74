// The program-wide state: everything that lives from start-up to the end of
// the run, with the console and the file system it works through.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "config/configuration.h"
#include "console/console.h"
#include "store/file_system.h"
#include "store/record_file.h"

namespace kestrel {

struct Program {
  Program(Console& console, FileSystem& files) : console(console), files(files) {}

  Console& console;
  FileSystem& files;

  std::string configFilePath = "Kestrelbook.cfg";
  std::string dataFilePath = recordFilePath();

  Configuration config;
  std::vector<Record> records;
  // Set when the record file exists but could not be read: it is then never
  // replaced or removed during the run, so what it holds cannot be lost.
  bool recordFileUnreadable = false;

  // The record indices of the last keyword search, ascending; empty outside match mode.
  std::vector<std::uint32_t> matches;
  // The position in matches of the record on screen.
  std::uint32_t currentMatch = 0;
  // The earlier record that the last new record repeats.
  std::uint32_t duplicateIndex = 0;
};

}  // namespace kestrel
