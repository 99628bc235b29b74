// The record display: its text in browse and match mode, and where each key leads.
#include <gtest/gtest.h>

#include "screens/screens.h"
#include "small_book.h"

namespace kestrel {
namespace {

const std::string kDelimiter5 = M + std::string(21, '-');
const std::string kDelimiter6 = M + std::string(49, '=') + "\n";

std::string header(int number) {
  return "\n\n\n\n" + kDelimiter5 + "\n\n" + M + "Record number " + std::to_string(number) +
         ":\n\n" + kDelimiter5 + "\n\n\n";
}

std::string choices(int number) {
  const std::string n = std::to_string(number);
  return "\n\n" + M + "2 - select new record\n\n" + M + "3 - edit record number " + n + "\n\n" + M +
         "4 - delete record number " + n + "\n\n" + M + "x - back\n";
}

TEST(ShowRecordTest, WritesTheRecordBehindItsLabelsByteForByte) {
  SmallBook book(std::vector<Record>{{"Ann", "41"}, {"Bob", ""}});
  book.console.addKeys("x");
  showRecord(book.program, 0);
  EXPECT_EQ(book.console.transcript(),
            "\n\n\n\n  ---------------------\n\n  Record number 1:\n\n  ---------------------\n\n\n"
            " \n  name Ann\n \n  age  41\n  =================================================\n"
            "\n  n - browse forward 2/2"
            "\n\n  2 - select new record\n\n  3 - edit record number 1"
            "\n\n  4 - delete record number 1\n\n  x - back\n<clear>");
}

struct DisplayCase {
  const char* name;
  std::vector<Record> records;
  std::uint32_t index;
  std::vector<std::uint32_t> matches;
  std::uint32_t currentMatch;
  std::string fields;      // the field lines
  std::string navigation;  // the navigation lines
  friend void PrintTo(const DisplayCase& c, std::ostream* out) { *out << c.name; }
};

class DisplayTest : public testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayTest, WritesFieldsAndNavigation) {
  const DisplayCase& c = GetParam();
  SmallBook book(c.records);
  book.program.matches = c.matches;
  book.program.currentMatch = c.currentMatch;
  book.console.addKeys("x");
  showRecord(book.program, c.index);
  EXPECT_EQ(book.console.transcript(), header(c.index + 1) + c.fields + kDelimiter6 + c.navigation +
                                           choices(c.index + 1) + "<clear>");
}

const std::string kFieldsOfRecord3 = " \n" + kName + "r3\n \n" + kAge + "3\n";

INSTANTIATE_TEST_SUITE_P(
    Records, DisplayTest,
    testing::Values(
        DisplayCase{"OnlyRecord",
                    numberedRecords(1),
                    0,
                    {},
                    0,
                    " \n" + kName + "r1\n \n" + kAge + "1\n",
                    ""},
        DisplayCase{"FirstOfFive",
                    numberedRecords(5),
                    0,
                    {},
                    0,
                    " \n" + kName + "r1\n \n" + kAge + "1\n",
                    "\n" + M + "n - browse forward 2/5"},
        DisplayCase{"MiddleOfFive",
                    numberedRecords(5),
                    2,
                    {},
                    0,
                    kFieldsOfRecord3,
                    "\n" + M + "n - browse forward 4/5\n\n" + M + "b - browse back 2/5"},
        DisplayCase{"LastOfFive",
                    numberedRecords(5),
                    4,
                    {},
                    0,
                    " \n" + kName + "r5\n \n" + kAge + "5\n",
                    "\n\n" + M + "b - browse back 4/5"},
        DisplayCase{
            "SingleMatchAmongNeighbours", numberedRecords(5), 2, {2}, 0, kFieldsOfRecord3, ""},
        DisplayCase{"ThirdOfFiveMatches",
                    numberedRecords(9),
                    2,
                    {0, 1, 2, 5, 8},
                    2,
                    kFieldsOfRecord3,
                    "\n" + M + "n - next match 4/5\n\n" + M + "b - previous match 2/5"},
        DisplayCase{"FirstMatchOfTwo",
                    numberedRecords(5),
                    2,
                    {2, 4},
                    0,
                    kFieldsOfRecord3,
                    "\n" + M + "n - next match 2/2"},
        DisplayCase{"LastMatchOfTwo",
                    numberedRecords(5),
                    2,
                    {0, 2},
                    1,
                    kFieldsOfRecord3,
                    "\n\n" + M + "b - previous match 1/2"},
        DisplayCase{"EmptyFieldShowsTheLabelAlone",
                    {{"", "7"}},
                    0,
                    {},
                    0,
                    " \n" + kName + "\n \n" + kAge + "7\n",
                    ""},
        DisplayCase{"ExtraFieldsAreNotShown",
                    {{"a", "b", "hidden"}},
                    0,
                    {},
                    0,
                    " \n" + kName + "a\n \n" + kAge + "b\n",
                    ""}),
    [](const testing::TestParamInfo<DisplayCase>& info) { return info.param.name; });

TEST(ShowRecordTest, NoColumnsGiveNoFieldLines) {
  SmallBook book(std::vector<Record>{{}});
  book.program.config = parseConfiguration("[indentation]\r\nm 2\r\n");
  book.console.addKeys("x");
  showRecord(book.program, 0);
  EXPECT_EQ(book.console.transcript(), header(1) + kDelimiter6 + choices(1) + "<clear>");
}

TEST(ShowRecordTest, KeysLeadOnOnlyWhenAccepted) {
  struct Case {
    std::vector<std::uint32_t> matches;
    std::uint32_t currentMatch;
    std::uint32_t index;
    std::string keys;  // ignored keys, then the one that leads on
    Screen next;
    std::uint32_t currentMatchAfter;
    bool clears;
  };
  const Case cases[] = {
      {{}, 0, 2, "NBq\rn", screen::ShowRecord{3}, 0, true},
      {{}, 0, 2, "b", screen::ShowRecord{1}, 0, true},
      {{}, 0, 0, "bB2", screen::SelectRecord{}, 0, true},
      {{}, 0, 4, "n3", screen::EditRecord{4}, 0, false},
      {{}, 0, 1, "4", screen::DeleteRecord{1}, 0, true},
      {{}, 0, 1, "X", screen::MainMenu{}, 0, true},
      {{1, 3, 4}, 1, 3, "n", screen::ShowRecord{4}, 2, true},
      {{1, 3, 4}, 1, 3, "b", screen::ShowRecord{1}, 0, true},
      {{1, 3, 4}, 2, 4, "nx", screen::MainMenu{}, 2, true},
      {{3}, 0, 3, "nb2", screen::SelectRecord{}, 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    SmallBook book(numberedRecords(5));
    book.program.matches = c.matches;
    book.program.currentMatch = c.currentMatch;
    book.console.addKeys(c.keys);
    const Screen next = showRecord(book.program, c.index);
    EXPECT_EQ(next, c.next);
    EXPECT_EQ(book.console.keysLeft(), 0u);
    EXPECT_EQ(book.program.currentMatch, c.currentMatchAfter);
    EXPECT_EQ(book.console.transcript().ends_with("x - back\n<clear>"), c.clears);
    EXPECT_EQ(book.program.matches, c.matches);
  }
}

}  // namespace
}  // namespace kestrel
