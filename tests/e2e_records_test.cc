// The real program working on real files: selecting, browsing, editing and
// deleting records, new records with a duplicate and a taught character, the
// keyword search, and a long walk through the screens on a small stack.
#include <gtest/gtest.h>

#include "pty_session.h"
#include "small_book.h"
#include "temp_dir.h"

namespace kestrel {
namespace {

const std::string kRecordFile = "dBase/Kestrelbook.txt";
// Two columns under the default texts and margin.
const std::string kConfig = "[columns]\r\nname\r\ncity\r\n";

// A terminal that passes bytes unchanged both ways, without echo.
PtyOptions exactTerminal() {
  PtyOptions options;
  options.raw = true;
  options.rawOutput = true;
  return options;
}

// The last lines of the display of a record, from the navigation lines on.
std::string endOfDisplay(int number) {
  const std::string n = std::to_string(number);
  return "\n\n" + kMargin + "2 - select new record\n\n" + kMargin + "3 - edit record number " + n +
         "\n\n" + kMargin + "4 - delete record number " + n + "\n\n" + kMargin + "x - back\n";
}

// Types the bytes once the program has written the text it waits behind. The
// text must be new on screen: a key sent while a typed line is still unread
// would be read with that line.
void answer(PtySession& session, std::string_view prompt, std::string_view typed) {
  ASSERT_TRUE(session.readUntil(prompt)) << "waiting for: " << prompt << "\n" << session.output();
  session.send(typed);
}

TEST(EndToEndRecords, SelectBrowseEditDeleteAndDeleteAll) {
  TempDir dir;
  writeFileBytes("Kestrelbook.cfg", kConfig);
  writeFileBytes(kRecordFile, formatRecords({{"Ann", "Oslo"}, {"Bob", "Rome"}, {"Cy", "Nice"}}));
  PtySession session(exactTerminal());

  answer(session, "Total number of records: 3.", "2");
  answer(session, "Enter record number from 1 to 3: ", "2\r");
  answer(session, "n - browse forward 3/3\n\n" + kMargin + "b - browse back 1/3" + endOfDisplay(2),
         "nb3");
  answer(session, "Editing record number2", "Bea\r");
  answer(session, kMargin + "city Rome\n\n", "\r");
  answer(session, "Enter record number from 1 to 3: ", "1\r");
  answer(session, "n - browse forward 2/3" + endOfDisplay(1), "4");
  answer(session, kMargin + "Record number 1 deleted.", "");
  answer(session, "Enter record number from 1 to 2: ", "\r");
  ASSERT_TRUE(session.readUntil("Total number of records: 2."));
  EXPECT_NE(session.output().find("Record number 3:"), std::string::npos);
  EXPECT_EQ(readFileBytes(kRecordFile), formatRecords({{"Bea", "Rome"}, {"Cy", "Nice"}}));

  session.send("4");
  answer(session, "                         n - no", "q");
  session.send("y");
  answer(session, kMargin + "Database is empty.", "x");
  EXPECT_EQ(session.waitForExit(), Ending::exited(0));
  EXPECT_FALSE(pathExists(kRecordFile));
  EXPECT_EQ(readFileBytes("Kestrelbook.cfg"), kConfig);
}

TEST(EndToEndRecords, ThousandsOfTypedAheadStepsOnASmallStack) {
  TempDir dir;
  writeFileBytes("Kestrelbook.cfg", kConfig);
  writeFileBytes(kRecordFile, formatRecords({{"a", "1"}, {"b", "2"}, {"c", "3"}}));
  PtyOptions options = exactTerminal();
  options.stackLimit = 256 * 1024;
  PtySession session(options);

  answer(session, "Total number of records: 3.", "2");
  answer(session, "Enter record number from 1 to 3: ", "1\r");
  std::string steps;
  for (int i = 0; i < 2500; ++i) {
    steps += "nb";
  }
  answer(session, "x - back\n", steps + "xx");
  EXPECT_EQ(session.waitForExit(), Ending::exited(0));
  EXPECT_TRUE(session.output().ends_with(kMargin + "Enjoy your reading!\n\n\n"));
  std::size_t shown = 0;
  for (std::size_t at = 0; (at = session.output().find("Record number ", at)) != std::string::npos;
       ++at) {
    ++shown;
  }
  EXPECT_EQ(shown, 5001u);
}

// Inserts a record, inserts its duplicate (teaching two characters on the
// way), then finds both by a keyword spelt with the other letter case.
struct TypedSession {
  std::string keys;
  std::vector<std::string> lines;
};
const TypedSession kInsertAndFind = {
    "11x3nxx",
    {"Ann", "K\xC4ln", "ann ", "k\xE4ln", "\xE4", "\xE4", "\xC4L"},
};

// Runs the session with the lines typed on the terminal between the keys,
// each when its prompt is on screen; returns the output.
std::string typeOnTerminal() {
  PtySession session(exactTerminal());
  const std::string column = kMargin + "name ";
  const std::string city = kMargin + "city ";
  const std::string token = kMargin + "Please enter its lower case version: ";
  answer(session, "Database is empty.", "1");
  answer(session, column, "Ann\r");
  answer(session, city, "K\xC4ln\r");
  answer(session, "Total number of records: 1.", "1");
  answer(session, "New record number: 2", "");
  answer(session, column, "ann \r");
  answer(session, city, "k\xE4ln\r");
  answer(session, "Character \xC4was not yet used.\n\n" + token, "\xE4\r");
  answer(session, "Character \xE4was not yet used.\n\n" + token, "\xE4\r");
  answer(session, "n - browse forward 2/2" + endOfDisplay(1), "x");
  answer(session, "Total number of records: 2.", "3");
  answer(session, "Enter a keyword: ", "\xC4L\r");
  answer(session, "n - next match 2/2" + endOfDisplay(1), "n");
  answer(session, "b - previous match 1/2" + endOfDisplay(2), "xx");
  EXPECT_EQ(session.waitForExit(), Ending::exited(0));
  return session.output();
}

// Runs the session with the lines read from a file and every key typed ahead.
std::string typeFromFile() {
  std::string input;
  for (const std::string& line : kInsertAndFind.lines) {
    input += line + "\r\n";
  }
  writeFileBytes("input.txt", input);
  PtyOptions options = exactTerminal();
  options.stdinPath = "input.txt";
  PtySession session(options);
  session.send(kInsertAndFind.keys);
  EXPECT_EQ(session.waitForExit(), Ending::exited(0));
  return session.output();
}

TEST(EndToEndRecords, InsertDuplicateTeachAndFind) {
  std::string outputs[2];
  for (int run = 0; run < 2; ++run) {
    SCOPED_TRACE(run == 0 ? "lines on the terminal" : "lines from a file");
    TempDir dir;
    writeFileBytes("Kestrelbook.cfg", kConfig);
    outputs[run] = run == 0 ? typeOnTerminal() : typeFromFile();
    const std::string& out = outputs[run];
    EXPECT_NE(out.find("A record with similar data is already in database: \n\n\n\n"),
              std::string::npos);
    EXPECT_NE(out.find(kMargin + "Records that match your keyword: 2.1 and 2.\n\n\n" + kMargin +
                       "First one: \n\n\n\n"),
              std::string::npos);
    EXPECT_EQ(readFileBytes(kRecordFile), formatRecords({{"Ann", "K\xC4ln"}, {"ann ", "k\xE4ln"}}));
    const std::string config = readFileBytes("Kestrelbook.cfg");
    EXPECT_TRUE(config.ends_with("[special_characters]\r\n\xC4 228\r\n\xE4 228\r\n")) << config;
  }
  // Nothing is echoed on this terminal, so where the lines come from must
  // not change a single byte on screen.
  EXPECT_EQ(outputs[0], outputs[1]);
}

// When standard input ends while a character is being taught, no reply can
// ever come: the program stops with an error, and what it saved stays saved.
TEST(EndToEndRecords, InputEndingDuringTheDialogueStopsTheProgram) {
  TempDir dir;
  writeFileBytes("Kestrelbook.cfg", kConfig);
  const std::vector<Record> stored = {{"x", "K\xC4ln"}};
  writeFileBytes(kRecordFile, formatRecords(stored));
  writeFileBytes("input.txt", "x\r\ny\r\n");
  PtyOptions options = exactTerminal();
  options.stdinPath = "input.txt";
  PtySession session(options);
  session.send("1");
  EXPECT_EQ(session.waitForExit(), Ending::exited(1));
  EXPECT_TRUE(session.output().ends_with(
      "Please enter its lower case version: "
      "Error: input ended before the lower case version of a character was typed\n"))
      << session.output();
  EXPECT_EQ(readFileBytes(kRecordFile), formatRecords({stored[0], {"x", "y"}}));
  EXPECT_EQ(readFileBytes("Kestrelbook.cfg"), kConfig);  // nothing was learned
}

}  // namespace
}  // namespace kestrel
