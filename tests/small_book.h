// A small record book for screen tests: margin 2, the columns "name" and
// "age", the default label texts, and the records given.
#pragma once

#include "config/configuration.h"
#include "store/record_file.h"
#include "test_program.h"

namespace kestrel {

struct SmallBook : TestProgram {
  explicit SmallBook(std::vector<Record> records = {}, FileSystem& files = systemFileSystem())
      : TestProgram(files) {
    program.config = parseConfiguration("[columns]\r\nname\r\nage\r\n[indentation]\r\nm 2\r\n");
    program.records = std::move(records);
  }
};

/// The margin of the small book.
inline const std::string M = "  ";
/// The small book's column labels.
inline const std::string kName = "  name ";
inline const std::string kAge = "  age  ";

/// The records "r1" to "rN", each with the age "N".
inline std::vector<Record> numberedRecords(int count) {
  std::vector<Record> records;
  for (int i = 1; i <= count; ++i) {
    const std::string number = std::to_string(i);
    records.push_back({std::string("r").append(number), number});
  }
  return records;
}

/// The bytes that learning dialogues in the transcript asked about, in order.
inline std::string taughtBytes(const std::string& transcript) {
  constexpr std::string_view kAsk = "Character ";
  std::string asked;
  for (std::size_t at = 0; (at = transcript.find(kAsk, at)) != std::string::npos; ++at) {
    asked.push_back(transcript[at + kAsk.size()]);
  }
  return asked;
}

}  // namespace kestrel
