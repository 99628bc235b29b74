#include "store/record_file.h"

#include "app/program.h"
#include "console/fatal_error.h"
#include "store/lines.h"

namespace kestrel {

std::vector<Record> parseRecords(std::string_view content, std::uint32_t columnCount) {
  // Sizing the table first spares a million records being moved as it grows;
  // every separator line holds the separator, so this count is enough.
  std::size_t separators = 0;
  for (std::size_t at = 0; (at = content.find(kRecordSeparator, at)) != std::string_view::npos;
       at += kRecordSeparator.size()) {
    ++separators;
  }
  std::vector<Record> records;
  records.reserve(separators + 1);
  Record current;
  current.reserve(columnCount);
  bool currentHasText = false;  // whether the open record holds a non-empty line
  LineReader lines(content);
  std::string_view line;
  while (lines.next(line)) {
    if (line == kRecordSeparator) {
      records.push_back(std::move(current));
      current = Record();
      current.reserve(columnCount);
      currentHasText = false;
    } else {
      current.emplace_back(line);
      currentHasText = currentHasText || !line.empty();
    }
  }
  if (currentHasText) {
    records.push_back(std::move(current));
  }
  for (Record& record : records) {
    if (record.size() < columnCount) {
      record.resize(columnCount);
    }
  }
  return records;
}

std::string formatRecords(const std::vector<Record>& records) {
  std::size_t size = 0;
  for (const Record& record : records) {
    for (const std::string& field : record) {
      size += field.size() + 2;
    }
    size += kRecordSeparator.size() + 2;
  }
  std::string out;
  out.reserve(size);
  for (const Record& record : records) {
    for (const std::string& field : record) {
      out.append(field).append("\r\n");
    }
    out.append(kRecordSeparator).append("\r\n");
  }
  return out;
}

void loadRecords(Program& program) {
  if (!program.files.exists(program.dataFilePath)) {
    return;
  }
  const std::optional<std::string> content = program.files.readFile(program.dataFilePath);
  if (!content) {
    program.console.writeLine(program.config.label("ferror"));
    program.recordFileUnreadable = true;
    return;
  }
  program.records = parseRecords(*content, program.config.columnCount());
}

void saveRecords(Program& program) {
  if (program.recordFileUnreadable ||
      !replaceFile(program.files, program.dataFilePath, formatRecords(program.records))) {
    program.console.writeLine(program.config.label("ferror"));
  }
}

void removeRecordFile(Program& program) {
  if (program.recordFileUnreadable) {
    program.console.writeLine(program.config.label("ferror"));
    return;
  }
  const std::string failure = program.files.remove(program.dataFilePath);
  if (!failure.empty()) {
    throw FatalError(program.dataFilePath + ": " + failure);
  }
}

}  // namespace kestrel
