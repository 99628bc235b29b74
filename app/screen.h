// The screens of the program as states: each screen function returns the
// screen to go to next, and one loop runs them.
#pragma once

#include <cstdint>
#include <variant>

namespace kestrel {

namespace screen {
struct MainMenu {
  bool operator==(const MainMenu&) const = default;
};
struct InsertRecord {
  bool operator==(const InsertRecord&) const = default;
};
struct SelectRecord {
  bool operator==(const SelectRecord&) const = default;
};
struct ShowRecord {
  std::uint32_t index;  // the record on screen, counted from 0
  bool operator==(const ShowRecord&) const = default;
};
struct EditRecord {
  std::uint32_t index;
  bool operator==(const EditRecord&) const = default;
};
struct DeleteRecord {
  std::uint32_t index;
  bool operator==(const DeleteRecord&) const = default;
};
struct FindRecords {
  bool operator==(const FindRecords&) const = default;
};
struct DeleteDatabase {
  bool operator==(const DeleteDatabase&) const = default;
};
// The farewell has been written; the program ends.
struct End {
  bool operator==(const End&) const = default;
};
}  // namespace screen

using Screen = std::variant<screen::MainMenu, screen::InsertRecord, screen::SelectRecord,
                            screen::ShowRecord, screen::EditRecord, screen::DeleteRecord,
                            screen::FindRecords, screen::DeleteDatabase, screen::End>;

}  // namespace kestrel
