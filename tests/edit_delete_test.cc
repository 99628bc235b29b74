// Editing and deleting one record, and deleting the whole database: the
// screens' text and the record file afterwards, byte for byte.
#include <gtest/gtest.h>

#include "screens/screens.h"
#include "small_book.h"
#include "temp_dir.h"

namespace kestrel {
namespace {

const std::string kRecordFile = "dBase/Kestrelbook.txt";

TEST(EditRecordTest, RetypesFieldsAndSaves) {
  struct Case {
    const char* name;
    std::vector<std::string> replies;
    Record after;
  };
  const Case cases[] = {
      {"EmptyRepliesKeepEverything", {"", ""}, {"r2", "2", "extra"}},
      {"RepliesReplaceExactly", {" Zoe ", " "}, {" Zoe ", " ", "extra"}},
      {"SeparatorReplyKeepsTheField", {"\xC2\xAD", "x\xC2\xAD"}, {"r2", "x\xC2\xAD", "extra"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    std::vector<Record> records = numberedRecords(3);
    records[1].push_back("extra");
    SmallBook book(records);
    book.program.matches = {1, 2};
    book.program.currentMatch = 1;
    for (const std::string& reply : c.replies) {
      book.console.addLine(reply);
    }
    EXPECT_EQ(editRecord(book.program, 1), Screen(screen::SelectRecord{}));
    records[1] = c.after;
    EXPECT_EQ(book.program.records, records);
    EXPECT_EQ(readFileBytes(kRecordFile), formatRecords(records));
    EXPECT_EQ(book.program.matches, (std::vector<std::uint32_t>{1, 2}));
    EXPECT_EQ(book.program.currentMatch, 1u);
  }
}

TEST(EditRecordTest, ScreenShowsEachValueAboveItsReply) {
  TempDir dir;
  SmallBook book(std::vector<Record>{{"Ann", "41"}});
  book.console.addLine("");
  book.console.addLine("42");
  editRecord(book.program, 0);
  EXPECT_EQ(book.console.transcript(),
            "<clear>\n\n\n\n  Editing record number1\n  -------------------------\n\n"
            "\n  name Ann\n\n       \n  age  41\n\n       <clear>");
}

TEST(EditRecordTest, NoColumnsAskNothingAndSave) {
  TempDir dir;
  SmallBook book(std::vector<Record>{{"kept"}});
  book.program.config = parseConfiguration("[indentation]\r\nm 2\r\n");
  editRecord(book.program, 0);
  EXPECT_EQ(book.console.transcript(),
            "<clear>\n\n\n\n  Editing record number1\n  -------------------------\n\n<clear>");
  EXPECT_EQ(readFileBytes(kRecordFile), "kept\r\n\xC2\xAD\r\n");
}

std::string deletionReport(int number) {
  const std::string delimiter = M + std::string(26, '-');
  return "\n\n\n\n" + delimiter + "\n" + M + "Record number " + std::to_string(number) +
         " deleted.\n" + delimiter + "\n\n\n";
}

TEST(DeleteRecordTest, MiddleRecordGoesAndTheRestMoveUp) {
  TempDir dir;
  SmallBook book(numberedRecords(5));
  book.program.matches = {0, 4};
  EXPECT_EQ(deleteRecord(book.program, 2), Screen(screen::SelectRecord{}));
  std::vector<Record> rest = numberedRecords(5);
  rest.erase(rest.begin() + 2);
  EXPECT_EQ(book.program.records, rest);
  EXPECT_EQ(readFileBytes(kRecordFile), formatRecords(rest));
  EXPECT_TRUE(book.program.matches.empty());
  EXPECT_EQ(book.console.transcript(), deletionReport(3));
}

TEST(DeleteRecordTest, LastRecordTakesTheFileWithIt) {
  for (const bool fileThere : {true, false}) {  // an earlier save may have failed
    SCOPED_TRACE(fileThere);
    TempDir dir;
    SmallBook book(numberedRecords(1));
    if (fileThere) {
      writeFileBytes(kRecordFile, formatRecords(numberedRecords(1)));
    }
    EXPECT_EQ(deleteRecord(book.program, 0), Screen(screen::MainMenu{}));
    EXPECT_TRUE(book.program.records.empty());
    EXPECT_FALSE(pathExists(kRecordFile));
    EXPECT_EQ(book.console.transcript(), deletionReport(1));
  }
}

const std::string kConfirmation =
    std::string(15, '\n') + M + "Are you sure you want to delete the entire database?\n" + M +
    std::string(52, '=') + "\n\n" + "                         y - yes\n\n" +
    "                         n - no";

TEST(DeleteDatabaseTest, OnlyYesRemovesEverythingAndOnlyFourKeysAnswer) {
  struct Case {
    std::string keys;
    bool deleted;
  };
  const Case cases[] = {{"y", true},
                        {"Y", true},
                        {"n", false},
                        {"N", false},
                        {"\r\x1b"
                         "5xq y",
                         true},
                        {"\n3X N", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TempDir dir;
    writeFileBytes("Kestrelbook.cfg", "[columns]\r\nname\r\n[special_characters]\r\n\xC4 228\r\n");
    writeFileBytes(kRecordFile, formatRecords(numberedRecords(2)));
    SmallBook book(numberedRecords(2));
    book.console.addKeys(c.keys);
    EXPECT_EQ(deleteDatabase(book.program), Screen(screen::MainMenu{}));
    EXPECT_EQ(book.console.keysLeft(), 0u);
    EXPECT_EQ(book.console.transcript(), kConfirmation + "<clear>");
    EXPECT_EQ(book.program.records.empty(), c.deleted);
    EXPECT_EQ(pathExists(kRecordFile), !c.deleted);
    EXPECT_EQ(readFileBytes("Kestrelbook.cfg"),
              "[columns]\r\nname\r\n[special_characters]\r\n\xC4 228\r\n");
  }
}

TEST(DeleteDatabaseTest, MissingRecordFileIsNoError) {
  TempDir dir;
  SmallBook book(numberedRecords(2));
  book.console.addKeys("y");
  EXPECT_EQ(deleteDatabase(book.program), Screen(screen::MainMenu{}));
  EXPECT_TRUE(book.program.records.empty());
}

}  // namespace
}  // namespace kestrel
