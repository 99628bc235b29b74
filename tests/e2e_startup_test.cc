// The real program from start to end: the first screen on a terminal, the
// farewell, the terminal's modes left as they were found however the program
// ends, and the refusal to run without any terminal.
#include <gtest/gtest.h>
#include <signal.h>

#include <cstring>
#include <optional>
#include <string>

#include "pty_session.h"
#include "temp_dir.h"

namespace kestrel {
namespace {

const std::string kMargin(16, ' ');
constexpr std::string_view kClear = "\x1b[H\x1b[2J\x1b[3J";
constexpr std::size_t kDefaultConfigSize = 1856;

// Two records, each closed by a line holding only a soft hyphen.
const std::string kTwoRecords = "a\r\nb\r\n\xC2\xAD\r\nc\r\n\xC2\xAD\r\n";

struct StartCase {
  const char* name;
  std::optional<std::string> recordFile;
  std::string menuEnd;  // the exact last bytes of the main menu
  std::string ignoredKeys;
  char exitKey;
  std::optional<std::string> standardInput;  // a file instead of the terminal
};

const StartCase kStartCases[] = {
    {"fresh folder", std::nullopt, kMargin + "Database is empty.\n", "234q05 \x1b\x03\r", 'x',
     std::nullopt},
    {"two records", kTwoRecords, kMargin + "Total number of records: 2.", "q05 \x1b\x03\r", 'X',
     std::nullopt},
    {"input from a file", std::nullopt, kMargin + "Database is empty.\n", "q", 'x', "x\r\nX\r\n"},
};

// Keys that are not accepted must write nothing: everything after the menu
// up to the farewell's screen clearing would be their doing; and the exit key
// must be the one that ended the program, so no typed key is left unread.
// Keys come from the terminal even when standard input is a file. The
// terminal passes bytes unchanged both ways, so the output is compared exactly.
TEST(EndToEndStart, MenuIgnoredKeysAndFarewell) {
  for (const StartCase& c : kStartCases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    if (c.recordFile) {
      writeFileBytes("dBase/Kestrelbook.txt", *c.recordFile);
    }
    PtyOptions exact;
    if (c.standardInput) {
      writeFileBytes("input.txt", *c.standardInput);
      exact.stdinPath = "input.txt";
    }
    exact.raw = true;
    exact.rawOutput = true;
    PtySession session(exact);
    ASSERT_TRUE(session.readUntil(c.menuEnd)) << session.output();
    EXPECT_TRUE(session.output().starts_with(kClear)) << session.output();
    EXPECT_EQ(readFileBytes("Kestrelbook.cfg").size(), kDefaultConfigSize);

    session.send(c.ignoredKeys);
    session.send(std::string(1, c.exitKey));
    ASSERT_TRUE(session.readUntil(kMargin + "Enjoy your reading!")) << session.output();
    EXPECT_EQ(session.waitForExit(), Ending::exited(0));
    EXPECT_EQ(session.unreadInput(), 0u);

    const std::string& out = session.output();
    const std::size_t menuEnd = out.find(c.menuEnd) + c.menuEnd.size();
    const std::string after = out.substr(menuEnd);
    EXPECT_TRUE(after.starts_with(kClear)) << "after the menu: " << after;
    EXPECT_LT(after.find(kMargin + "Thank you for using Kestrelbook."),
              after.find(kMargin + "Enjoy your reading!"));
    if (c.recordFile) {
      EXPECT_EQ(readFileBytes("dBase/Kestrelbook.txt"), *c.recordFile);
    }
  }
}

void expectSameModes(const termios& before, const termios& after) {
  EXPECT_EQ(after.c_lflag, before.c_lflag);
  EXPECT_EQ(after.c_iflag, before.c_iflag);
  EXPECT_EQ(after.c_oflag, before.c_oflag);
  EXPECT_EQ(std::memcmp(after.c_cc, before.c_cc, sizeof before.c_cc), 0);
}

bool readingAKey(const termios& modes) {
  return (modes.c_lflag & (ICANON | ECHO | ISIG)) == 0;
}

struct EndingCase {
  const char* name;
  int signal;  // 0: the user presses "x"
  Ending expected;
};

void PrintTo(const EndingCase& c, std::ostream* out) {
  *out << c.name;
}

class EndToEndModes : public testing::TestWithParam<EndingCase> {};

// The modes are checked while the program waits for a key, so the test knows
// they were really changed before the program ends.
TEST_P(EndToEndModes, AreRestoredHoweverTheProgramEnds) {
  TempDir dir;
  PtySession session;
  const termios before = session.initialModes();
  ASSERT_FALSE(readingAKey(before));
  ASSERT_EQ(before.c_lflag & (ICANON | ECHO | ISIG), tcflag_t{ICANON | ECHO | ISIG});

  ASSERT_TRUE(session.readUntil(kMargin + "Database is empty.")) << session.output();
  ASSERT_TRUE(session.waitForModes(readingAKey)) << "the program never changed the modes";
  if (GetParam().signal == 0) {
    session.send("x");
  } else {
    session.kill(GetParam().signal);
  }
  EXPECT_EQ(session.waitForExit(), GetParam().expected);
  expectSameModes(before, session.modes());
}

INSTANTIATE_TEST_SUITE_P(
    Endings, EndToEndModes,
    testing::Values(EndingCase{"ExitKey", 0, Ending::exited(0)},
                    EndingCase{"Sigterm", SIGTERM, Ending::signalled(SIGTERM)},
                    EndingCase{"Sighup", SIGHUP, Ending::signalled(SIGHUP)},
                    EndingCase{"Sigint", SIGINT, Ending::signalled(SIGINT)},
                    EndingCase{"Sigquit", SIGQUIT, Ending::signalled(SIGQUIT)}),
    [](const testing::TestParamInfo<EndingCase>& info) { return std::string(info.param.name); });

// Without a terminal there is no keyboard: the program must stop at once and
// say why, and must not take keys from standard input instead.
TEST(EndToEndNoTerminal, StopsWithAnError) {
  for (const char* input : {"", "x\n"}) {
    SCOPED_TRACE(testing::Message() << "standard input: \"" << input << "\"");
    TempDir dir;
    writeFileBytes("input.txt", input);
    const DetachedRun run = runDetached("input.txt");
    EXPECT_EQ(run.ending, Ending::exited(1));
    EXPECT_LT(run.elapsed.count(), 1000);
    EXPECT_NE(run.output.find("Error: "), std::string::npos) << run.output;
    EXPECT_TRUE(run.output.ends_with("\n")) << run.output;
  }
}

}  // namespace
}  // namespace kestrel
