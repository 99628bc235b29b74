// The keyword search: what matches, the result line, and the dialogues for
// the fields actually examined.
#include <gtest/gtest.h>

#include "screens/screens.h"
#include "small_book.h"
#include "temp_dir.h"

namespace kestrel {
namespace {

const std::string kPrompt = "\n\n" + M + "Enter a keyword: ";

struct SearchCase {
  const char* name;
  std::vector<Record> records;
  std::string keyword;
  std::vector<std::uint32_t> matches;
  friend void PrintTo(const SearchCase& c, std::ostream* out) { *out << c.name; }
};

class SearchTest : public testing::TestWithParam<SearchCase> {};

TEST_P(SearchTest, FindsTheRecordsHoldingTheKeyword) {
  const SearchCase& c = GetParam();
  SmallBook book(c.records);
  book.program.config.specialCharacters = {{0xE4, 228}};
  book.program.matches = {0};
  book.program.currentMatch = 5;
  book.console.addLine(c.keyword);
  const Screen next = findRecords(book.program);
  EXPECT_EQ(book.program.matches, c.matches);
  if (c.matches.empty()) {
    EXPECT_EQ(next, Screen(screen::MainMenu{}));
  } else {
    EXPECT_EQ(next, Screen(screen::ShowRecord{c.matches[0]}));
    EXPECT_EQ(book.program.currentMatch, 0u);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Keywords, SearchTest,
    testing::Values(
        SearchCase{"AsciiCaseIgnored",
                   {{"Apple", "x"}, {"banana", "y"}, {"APPLE pie", ""}},
                   "aPPle",
                   {0, 2}},
        SearchCase{"SingleSpace", {{"a b", ""}, {"ab", "c"}, {"", "x y"}}, " ", {0, 2}},
        SearchCase{
            "TrailingSpaceIsPartOfTheKeyword", {{"blue", ""}, {"blue sky", ""}}, "blue ", {1}},
        SearchCase{"LeadingSpaceIsPartOfTheKeyword", {{"sky", ""}, {"a sky", ""}}, " sky", {1}},
        SearchCase{"RecordListedOnce", {{"cat", "cat"}, {"dog", "cat"}}, "cat", {0, 1}},
        SearchCase{"NoMatchAcrossFields", {{"ab", "cd"}}, "bc", {}},
        SearchCase{"DigitsMatchALearnedCode", {{"K\xE4se", ""}, {"Kase", ""}}, "k228s", {0}},
        SearchCase{"HiddenExtraFieldsAreSearched", {{"a", "b", "needle"}}, "needle", {0}}),
    [](const testing::TestParamInfo<SearchCase>& info) { return info.param.name; });

TEST(FindRecordsTest, ResultLineForOneTwoAndMoreMatches) {
  const std::pair<std::vector<int>, std::string> cases[] = {
      {{4}, "1.4."},
      {{2, 7}, "2.2 and 7."},
      {{1, 3, 9}, "3.1, 3 and 9."},
      {{1, 2, 3, 10}, "4.1, 2, 3 and 10."},
  };
  for (const auto& [numbers, text] : cases) {
    std::vector<Record> records(10, Record{"-", "-"});
    for (int number : numbers) {
      records[number - 1][1] = "hit";
    }
    SmallBook book(records);
    book.console.addLine("HIT");
    findRecords(book.program);
    EXPECT_EQ(book.console.transcript(), kPrompt + "\n\n" + M +
                                             "Records that match your keyword: " + text + "\n\n\n" +
                                             M + "First one: ");
  }
}

TEST(FindRecordsTest, NoMatchLeavesItsLineAboveTheMenu) {
  SmallBook book(numberedRecords(3));
  book.console.addLine("zzz");
  EXPECT_EQ(findRecords(book.program), Screen(screen::MainMenu{}));
  EXPECT_EQ(book.console.transcript(),
            kPrompt + "\n\n\n" + M + "No records that match your keyword found!\n");
}

TEST(FindRecordsTest, EmptyKeywordClearsAndEndsMatchMode) {
  SmallBook book(numberedRecords(3));
  book.program.matches = {1};
  book.console.addLine("");
  EXPECT_EQ(findRecords(book.program), Screen(screen::MainMenu{}));
  EXPECT_EQ(book.console.transcript(), kPrompt + "<clear>");
  EXPECT_TRUE(book.program.matches.empty());
}

TEST(FindRecordsTest, DialoguesForTheKeywordFirstThenOnlyExaminedFields) {
  TempDir dir;
  // C2 stands after record 1's first matching field and is never examined.
  SmallBook book(std::vector<Record>{{"229 \xC1", "\xC2"}, {"y", "\xC3"}});
  // The keyword C5, taught as E5 (229), then the replies for C1 and C3.
  for (const char* line : {"\xC5", "\xE5", "\xE1", "\xE3"}) {
    book.console.addLine(line);
  }
  EXPECT_EQ(findRecords(book.program), Screen(screen::ShowRecord{0}));
  EXPECT_EQ(taughtBytes(book.console.transcript()), "\xC5\xC1\xC3");
}

}  // namespace
}  // namespace kestrel
