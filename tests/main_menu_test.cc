// The main menu and the farewell, and the start-up order before them.
#include <gtest/gtest.h>

#include "app/app.h"
#include "console/error_report.h"
#include "console/fatal_error.h"
#include "temp_dir.h"
#include "test_program.h"

namespace kestrel {
namespace {

std::string menuHead() {
  return "\n\n\n\n\n\n" + kMargin + "Kestrelbook\n\n\n\n\n" + kMargin +
         "1 - insert new item\n\n\n" + kMargin + "2 - select item\n\n\n" + kMargin +
         "3 - find an item by entering a keyword\n\n\n" + kMargin +
         "4 - delete entire database\n\n\n" + kMargin + "x - exit Kestrelbook\n" + kMargin +
         std::string(38, '=') + "\n\n\n";
}

const std::string kFarewell = std::string(ScriptConsole::kClear) + "\n\n\n\n\n\n" + kMargin +
                              "Thank you for using Kestrelbook.\n\n\n\n" + kMargin +
                              "Enjoy your reading!\n\n\n";

TEST(MainMenuTest, TranscriptsWithAndWithoutRecords) {
  struct Case {
    std::size_t records;
    std::string keys;
    std::string countLine;
  };
  const Case cases[] = {
      {0, "x", kMargin + "Database is empty.\n"},
      {0, "234q\rX", kMargin + "Database is empty.\n"},
      {1, "q5X", kMargin + "Total number of records: 1."},
      {12, "x", kMargin + "Total number of records: 12."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TestProgram test;
    test.program.records.assign(c.records, Record(6));
    test.console.addKeys(c.keys);
    runScreens(test.program, screen::MainMenu{});
    EXPECT_EQ(test.console.transcript(), menuHead() + c.countLine + kFarewell);
    EXPECT_EQ(test.console.keysLeft(), 0u);
  }
}

TEST(MainMenuTest, EntryEndsMatchMode) {
  TestProgram test;
  test.program.records.assign(3, Record(6));
  test.program.matches = {0, 2};
  test.console.addKeys("x");
  runScreens(test.program, screen::MainMenu{});
  EXPECT_TRUE(test.program.matches.empty());
}

TEST(StartUpTest, LoadsConfigurationThenRecordsThenClears) {
  TempDir dir;
  writeFileBytes("Kestrelbook.cfg", "[columns]\r\nname\r\nage\r\n");
  writeFileBytes("dBase/Kestrelbook.txt", "Ann\r\n\xC2\xAD\r\n");
  TestProgram test;
  test.program.config = {};
  startUp(test.program);
  EXPECT_EQ(test.program.config.columnNames, (std::vector<std::string>{"name", "age"}));
  // Loading padded the record to the two columns of the configuration.
  EXPECT_EQ(test.program.records, (std::vector<Record>{{"Ann", ""}}));
  EXPECT_EQ(test.console.transcript(), ScriptConsole::kClear);
}

TEST(ErrorReportTest, WritesTheMessageBehindErrorAndGivesStatusOne) {
  ScriptConsole console;
  console.writeText("screen ");
  EXPECT_EQ(reportError(console, FatalError("Error: overflow 4294967296").what()), 1);
  EXPECT_EQ(console.transcript(), "screen Error: Error: overflow 4294967296\n");
}

}  // namespace
}  // namespace kestrel
