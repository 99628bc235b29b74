// New records: the entry screen, the save, and the duplicate check with the
// order of its learning dialogues.
#include <gtest/gtest.h>

#include "screens/screens.h"
#include "small_book.h"
#include "temp_dir.h"

namespace kestrel {
namespace {

const std::string kRecordFile = "dBase/Kestrelbook.txt";

std::string entryHead(int number) {
  return "\n\n" + M + "New record number: " + std::to_string(number) + "\n" + M +
         std::string(23, '-') + "\n\n\n";
}

TEST(InsertRecordTest, FirstRecordIsSavedAndTheMenuFollows) {
  TempDir dir;
  SmallBook book;
  book.console.addLine(" Ann");
  book.console.addLine("");
  EXPECT_EQ(insertRecord(book.program), Screen(screen::MainMenu{}));
  EXPECT_EQ(book.console.transcript(), entryHead(1) + " \n" + kName + " \n" + kAge + "<clear>");
  EXPECT_EQ(readFileBytes(kRecordFile), " Ann\r\n\r\n\xC2\xAD\r\n");
}

TEST(InsertRecordTest, SeparatorLineIsAskedAgain) {
  TempDir dir;
  SmallBook book;
  for (const char* line : {"\xC2\xAD", "\xC2\xAD!", "\xC2\xAD", "7"}) {
    book.console.addLine(line);
  }
  insertRecord(book.program);
  EXPECT_EQ(book.console.transcript(),
            entryHead(1) + " \n" + kName + " \n" + kName + " \n" + kAge + " \n" + kAge + "<clear>");
  EXPECT_EQ(book.program.records, (std::vector<Record>{{"\xC2\xAD!", "7"}}));
}

TEST(InsertRecordTest, NoColumnsAddNothing) {
  TempDir dir;
  SmallBook book(numberedRecords(2));
  book.program.config = parseConfiguration("[indentation]\r\nm 2\r\n");
  EXPECT_EQ(insertRecord(book.program), Screen(screen::MainMenu{}));
  EXPECT_EQ(book.console.transcript(), entryHead(3) + "<clear>");
  EXPECT_EQ(book.program.records.size(), 2u);
  EXPECT_FALSE(pathExists(kRecordFile));
}

struct DuplicateCase {
  const char* name;
  std::vector<Record> earlier;
  Record typed;
  int duplicate;  // the index reported, -1 for none
  friend void PrintTo(const DuplicateCase& c, std::ostream* out) { *out << c.name; }
};

class DuplicateTest : public testing::TestWithParam<DuplicateCase> {};

TEST_P(DuplicateTest, ReportsTheEarliestEqualRecord) {
  const DuplicateCase& c = GetParam();
  TempDir dir;
  SmallBook book(c.earlier);
  book.program.config.specialCharacters = {{0xC4, 228}, {0xE4, 228}};
  for (const std::string& field : c.typed) {
    book.console.addLine(field);
  }
  const Screen next = insertRecord(book.program);
  std::vector<Record> all = c.earlier;
  all.push_back(c.typed);
  EXPECT_EQ(book.program.records, all);
  EXPECT_EQ(readFileBytes(kRecordFile), formatRecords(all));
  const std::string& transcript = book.console.transcript();
  if (c.duplicate < 0) {
    EXPECT_EQ(next, Screen(screen::MainMenu{}));
    EXPECT_TRUE(transcript.ends_with("<clear>"));
  } else {
    EXPECT_EQ(next, Screen(screen::ShowRecord{static_cast<std::uint32_t>(c.duplicate)}));
    EXPECT_EQ(book.program.duplicateIndex, static_cast<std::uint32_t>(c.duplicate));
    EXPECT_TRUE(transcript.ends_with(kAge + "\n\n" + M +
                                     "A record with similar data is already in database: "));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Records, DuplicateTest,
    testing::Values(
        DuplicateCase{"AsciiCase", {{"Ann Lee", "x"}}, {"aNN lEE", "X"}, 0},
        DuplicateCase{"SurroundingSpacesAndTabs", {{" Ann\t", "1"}}, {"\tAnn  ", "1 "}, 0},
        DuplicateCase{"InnerSpacesCount", {{"Ann Lee", "1"}}, {"Ann  Lee", "1"}, -1},
        DuplicateCase{"ColumnOrderCounts", {{"1", "Ann"}}, {"Ann", "1"}, -1},
        DuplicateCase{"AllEmptyAgainstAllWhitespace", {{" ", "\t"}}, {"", ""}, 0},
        DuplicateCase{
            "LowestIndexReported", {{"a", "1"}, {"b", "2"}, {"A", "1"}, {"a", "1"}}, {"a", "1"}, 0},
        DuplicateCase{"LaterMatchFound", {{"a", "1"}, {"b", "2"}}, {"B", "2"}, 1},
        DuplicateCase{"LearnedCodeAgainstItsDigits", {{"228", "x"}}, {"\xC4", "x"}, 0},
        DuplicateCase{"TaughtCasePair", {{"\xC4rger", ""}}, {"\xE4RGER", ""}, 0},
        DuplicateCase{
            "ExtraStoredFieldsAgainstEmpty", {{"a", "1", " "}, {"a", "1", "z"}}, {"a", "1"}, 0},
        DuplicateCase{"ExtraStoredFieldWithText", {{"a", "1", "z"}}, {"a", "1"}, -1}),
    [](const testing::TestParamInfo<DuplicateCase>& info) { return info.param.name; });

TEST(InsertRecordTest, DialoguesComeStoredFieldFirstAndOnlyWhereTheComparisonReaches) {
  TempDir dir;
  // Record 1 differs in its first field, so its second field (C9) is never
  // folded; record 2 is compared field by field, the stored field first.
  SmallBook book(std::vector<Record>{{"x", "\xC9"}, {"\xC1", "\xC2"}});
  // The typed record, then the replies: E1 and C1 fold to E1's code, C2 and
  // E2 to E2's.
  for (const char* line : {"\xE1", "\xE2", "\xE1", "\xE1", "\xE2", "\xE2"}) {
    book.console.addLine(line);
  }
  EXPECT_EQ(insertRecord(book.program), Screen(screen::ShowRecord{1}));
  EXPECT_EQ(taughtBytes(book.console.transcript()), "\xE1\xC1\xC2\xE2");
  EXPECT_EQ(book.console.linesLeft(), 0u);
  EXPECT_EQ(parseConfiguration(readFileBytes("Kestrelbook.cfg")).specialCharacters.size(), 4u);
}

}  // namespace
}  // namespace kestrel
