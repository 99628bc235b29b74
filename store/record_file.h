// The record table's file: one field per line, each record followed by a
// line holding only the record separator; every line ends with CR LF.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

struct Program;

/// A record's field texts, field i belonging to column i.
using Record = std::vector<std::string>;

/// The line that ends a record: the two bytes C2 AD.
inline constexpr std::string_view kRecordSeparator = "\xC2\xAD";

/// The records of a record file's content, each padded with empty fields to
/// columnCount. Lines after the last separator form one more record unless
/// they are all empty.
std::vector<Record> parseRecords(std::string_view content, std::uint32_t columnCount);
/// The record file's content for the records.
std::string formatRecords(const std::vector<Record>& records);

/// Fills the empty record table from the record file; writes the ferror line
/// when the file exists but cannot be read.
void loadRecords(Program& program);
/// Writes the whole table to the record file; writes the ferror line and
/// leaves the file alone when it cannot be created.
void saveRecords(Program& program);
/// Removes the record file, for a table that became empty; throws FatalError
/// with the path and the system's description when removal fails.
void removeRecordFile(Program& program);

}  // namespace kestrel
