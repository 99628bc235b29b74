// The record screens. Each writes its text, reads keys or lines, and returns
// the screen to go to next; none calls another.
#pragma once

#include <cstdint>
#include <string_view>

#include "app/program.h"
#include "app/screen.h"

namespace kestrel {

/// Shows one record behind its column labels, with the ways on from there.
Screen showRecord(Program& program, std::uint32_t index);
/// Asks for a record number and shows that record; an empty line leads to the menu.
Screen selectRecord(Program& program);
/// Writes the record-number prompt until a line gives 1 to count (returned)
/// or is empty (0); throws FatalError when the digits exceed 32 bits.
std::uint32_t askRecordNumber(Program& program, std::uint32_t count);
/// The number made of all ASCII digits of the line, 0 when it has none;
/// throws FatalError when it exceeds 4294967295.
std::uint32_t recordNumberFrom(std::string_view line);
/// Offers every field of the record for retyping, then saves.
Screen editRecord(Program& program, std::uint32_t index);
/// Removes the record, reports it and saves, or removes the file with the last record.
Screen deleteRecord(Program& program, std::uint32_t index);
/// Asks for confirmation, then empties the table and removes the record file.
Screen deleteDatabase(Program& program);
/// Takes a new record field by field, saves it and reports an earlier equal record.
Screen insertRecord(Program& program);
/// Finds the records with a field that holds the keyword and shows the first.
Screen findRecords(Program& program);

}  // namespace kestrel
