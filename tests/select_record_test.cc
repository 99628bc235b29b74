// The record selection: which typed lines give which record number, and the
// screen around the prompt.
#include <gtest/gtest.h>

#include "console/fatal_error.h"
#include "screens/screens.h"
#include "small_book.h"

namespace kestrel {
namespace {

TEST(RecordNumberTest, DigitsAreCollectedFromTheWholeLine) {
  const std::pair<std::string, std::uint32_t> cases[] = {
      {"12", 12},
      {"1 2", 12},
      {"-3", 3},
      {"2.5", 25},
      {"007", 7},
      {"3rd", 3},
      {"000", 0},
      {" ", 0},
      {"no", 0},
      {"\xB2\xB3", 0},
      {"4294967295", 4294967295u},
      {"0004294967295", 4294967295u},
  };
  for (const auto& [line, number] : cases) {
    EXPECT_EQ(recordNumberFrom(line), number) << line;
  }
}

TEST(RecordNumberTest, DigitsBeyond32BitsStopTheProgram) {
  const std::pair<std::string, std::string> cases[] = {
      {"4294967296", "Error: overflow 4294967296"},
      {"04294967296", "Error: overflow 4294967296"},
      {"4 294 967 300", "Error: overflow 4294967300"},
      {"99999999999", "Error: overflow 9999999999"},
  };
  for (const auto& [line, message] : cases) {
    try {
      recordNumberFrom(line);
      ADD_FAILURE() << line;
    } catch (const FatalError& error) {
      EXPECT_EQ(error.what(), message);
    }
  }
}

TEST(AskRecordNumberTest, RefusedLinesBringThePromptBack) {
  struct Case {
    std::uint32_t count;
    std::vector<std::string> lines;
    std::uint32_t number;
    int prompts;
  };
  const Case cases[] = {
      {5, {"5"}, 5, 1},          {5, {" ", "0", "6", "x", "2"}, 2, 5},
      {5, {""}, 0, 1},           {5, {"9", ""}, 0, 2},
      {0, {"1", "0", ""}, 0, 3}, {5, {}, 0, 1},  // standard input has ended
  };
  for (const Case& c : cases) {
    SmallBook book;
    for (const std::string& line : c.lines) {
      book.console.addLine(line);
    }
    EXPECT_EQ(askRecordNumber(book.program, c.count), c.number);
    std::string prompts;
    for (int i = 0; i < c.prompts; ++i) {
      prompts += M + "Enter record number from 1 to " + std::to_string(c.count) + ": ";
    }
    EXPECT_EQ(book.console.transcript(), prompts);
    EXPECT_EQ(book.console.linesLeft(), 0u);
  }
}

const std::string kHeading = "\n\n" + M + "Record display\n" + M + std::string(25, '-') + "\n\n";

TEST(SelectRecordTest, NumberLeadsToTheDisplayWithoutClearing) {
  SmallBook book(numberedRecords(3));
  book.console.addLine("3");
  EXPECT_EQ(selectRecord(book.program), Screen(screen::ShowRecord{2}));
  EXPECT_EQ(book.console.transcript(), kHeading + M + "Enter record number from 1 to 3: ");
}

TEST(SelectRecordTest, EmptyLineClearsAndLeadsToTheMenu) {
  SmallBook book(numberedRecords(3));
  book.console.addLine("");
  EXPECT_EQ(selectRecord(book.program), Screen(screen::MainMenu{}));
  EXPECT_EQ(book.console.transcript(),
            kHeading + M + "Enter record number from 1 to 3: " + "<clear>");
}

}  // namespace
}  // namespace kestrel
