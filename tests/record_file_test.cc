// The record file: its exact bytes, the loading rules, and what loading and
// saving do when the file or its folder is not usable.
#include <gtest/gtest.h>

#include <filesystem>

#include "store/record_file.h"
#include "temp_dir.h"
#include "test_program.h"

namespace kestrel {
namespace {

// Two columns; Red, 12 and Blue, an empty field.
const std::string kExampleFile =
    "\x52\x65\x64\r\n\x31\x32\r\n\xC2\xAD\r\n\x42\x6C\x75\x65\r\n\r\n\xC2\xAD\r\n";
const std::vector<Record> kExampleRecords = {{"Red", "12"}, {"Blue", ""}};

TEST(RecordFileTest, ExampleIsWrittenAndReadByteForByte) {
  ASSERT_EQ(kExampleFile.size(), 25u);
  EXPECT_EQ(formatRecords(kExampleRecords), kExampleFile);
  EXPECT_EQ(parseRecords(kExampleFile, 2), kExampleRecords);
}

struct LoadCase {
  const char* name;
  std::string content;
  std::vector<Record> records;  // read with two columns
  friend void PrintTo(const LoadCase& c, std::ostream* out) { *out << c.name; }
};

class LoadingTest : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadingTest, GivesTheTable) {
  EXPECT_EQ(parseRecords(GetParam().content, 2), GetParam().records);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadingTest,
    testing::Values(
        LoadCase{"LineFeedsAlone", "Red\n12\n\xC2\xAD\nBlue\n\n\xC2\xAD\n", kExampleRecords},
        LoadCase{"CarriageReturnsAlone", "Red\r12\r\xC2\xAD\rBlue\r\r\xC2\xAD\r", kExampleRecords},
        LoadCase{"LastSeparatorWithoutLineEnd", "Red\r\n12\r\n\xC2\xAD\r\nBlue\r\n\r\n\xC2\xAD",
                 kExampleRecords},
        LoadCase{"EmptyFile", "", {}},
        LoadCase{
            "SeparatorsInARowGiveEmptyFields", "\xC2\xAD\r\n\xC2\xAD\r\n", {{"", ""}, {"", ""}}},
        LoadCase{"ShortRecordIsPadded", "a\r\n\xC2\xAD\r\n", {{"a", ""}}},
        LoadCase{"LongRecordKeepsItsFields", "a\r\nb\r\nc\r\n\xC2\xAD\r\n", {{"a", "b", "c"}}},
        LoadCase{"FieldsAfterTheLastSeparatorFormARecord",
                 "a\r\n\xC2\xAD\r\nb\r\nc",
                 {{"a", ""}, {"b", "c"}}},
        LoadCase{"TrailingEmptyLinesMakeNoRecord", "a\r\n\xC2\xAD\r\n\r\n\r\n", {{"a", ""}}},
        LoadCase{"SeparatorInsideALineIsText",
                 "x\xC2\xAD\r\n\xC2\xAD \r\n\xC2\xAD\r\n",
                 {{"x\xC2\xAD", "\xC2\xAD "}}},
        LoadCase{"HighBytesAreText", "\xFF\x80\r\n\xC2\r\n\xC2\xAD\r\n", {{"\xFF\x80", "\xC2"}}}),
    [](const testing::TestParamInfo<LoadCase>& info) { return info.param.name; });

TEST(RecordFileTest, SavingWritesPaddedAndExtraFieldsBack) {
  TempDir dir;
  TestProgram test;
  writeFileBytes("dBase/Kestrelbook.txt",
                 "a\r\n\xC2\xAD\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n\xC2\xAD\r\n");
  loadRecords(test.program);
  ASSERT_EQ(test.program.records.size(), 2u);
  saveRecords(test.program);
  EXPECT_EQ(readFileBytes("dBase/Kestrelbook.txt"),
            "a\r\n\r\n\r\n\r\n\r\n\r\n\xC2\xAD\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n\xC2\xAD\r\n");
  EXPECT_EQ(test.console.transcript(), "");
}

TEST(RecordFileTest, MissingFileIsAnEmptyTable) {
  TempDir dir;
  TestProgram test;
  loadRecords(test.program);
  EXPECT_TRUE(test.program.records.empty());
  EXPECT_EQ(test.console.transcript(), "");
}

TEST(RecordFileTest, MissingFolderGivesTheFerrorLineAndKeepsTheTable) {
  TempDir dir(/*withDataFolder=*/false);
  TestProgram test;
  test.program.records = kExampleRecords;
  saveRecords(test.program);
  EXPECT_EQ(test.console.transcript(), kMargin + "Cannot create or open file!\n");
  EXPECT_FALSE(pathExists("dBase"));
  EXPECT_EQ(test.program.records, kExampleRecords);
}

// A file system on which every file exists but none can be opened for reading.
class UnreadableFiles : public FileSystemWrapper {
 public:
  UnreadableFiles() : FileSystemWrapper(systemFileSystem()) {}
  std::optional<std::string> readFile(const std::string&) override { return std::nullopt; }
};

// A record file that cannot be read must not be replaced by the records of
// this run, nor removed, which would lose everything it holds.
TEST(RecordFileTest, UnreadableFileIsNeverReplacedOrRemoved) {
  TempDir dir;
  UnreadableFiles files;
  TestProgram test(files);
  writeFileBytes("dBase/Kestrelbook.txt", kExampleFile);
  loadRecords(test.program);
  EXPECT_TRUE(test.program.records.empty());
  test.program.records = {{"new", ""}};
  saveRecords(test.program);
  removeRecordFile(test.program);
  const std::string ferror = kMargin + "Cannot create or open file!\n";
  EXPECT_EQ(test.console.transcript(), ferror + ferror + ferror);
  EXPECT_EQ(readFileBytes("dBase/Kestrelbook.txt"), kExampleFile);
}

TEST(RecordFileTest, FolderInPlaceOfTheFileIsUnreadable) {
  TempDir dir;
  TestProgram test;
  std::filesystem::create_directory("dBase/Kestrelbook.txt");
  loadRecords(test.program);
  EXPECT_TRUE(test.program.records.empty());
  EXPECT_TRUE(test.program.recordFileUnreadable);
  EXPECT_EQ(test.console.transcript(), kMargin + "Cannot create or open file!\n");
}

}  // namespace
}  // namespace kestrel
