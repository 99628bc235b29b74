// The console of a real run: how standard input is split into lines, and
// that output is held back until the program waits.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <future>

#include "console/std_console.h"

namespace kestrel {
namespace {

// A temporary file holding the bytes, positioned at its start.
std::FILE* fileWith(const std::string& bytes) {
  std::FILE* file = std::tmpfile();
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::rewind(file);
  return file;
}

std::string contentOf(std::FILE* file) {
  std::fflush(file);
  std::rewind(file);
  std::string content;
  for (int c; (c = std::getc(file)) != EOF;) {
    content.push_back(static_cast<char>(c));
  }
  return content;
}

TEST(StdConsoleTest, LinesEndAtLfCrOrCrLf) {
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"a\nb\n", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\r\rb\n\r", {"a", "", "b", ""}},
      {"\n\n", {"", ""}},
      {"last", {"last"}},
      {std::string("x\0y\xFF\x1b\n", 6), {std::string("x\0y\xFF\x1b", 5)}},
      {std::string(100000, 'z') + "\n", {std::string(100000, 'z')}},
  };
  for (const auto& [input, lines] : cases) {
    SCOPED_TRACE(testing::PrintToString(input.substr(0, 20)));
    std::FILE* in = fileWith(input);
    std::FILE* out = std::tmpfile();
    {
      StdConsole console(in, out);
      for (const std::string& line : lines) {
        EXPECT_EQ(console.readLine(), line);
        EXPECT_FALSE(console.inputEnded());
      }
      EXPECT_EQ(console.readLine(), "");
      EXPECT_TRUE(console.inputEnded());
    }
    std::fclose(in);
    std::fclose(out);
  }
}

// After a lone CR the line is complete: waiting to see whether a LF follows
// would hang a user whose terminal sends CR for Enter.
TEST(StdConsoleTest, LoneCrEndsTheLineWithoutWaiting) {
  int ends[2];
  ASSERT_EQ(pipe(ends), 0);
  std::FILE* in = fdopen(ends[0], "r");
  std::FILE* out = std::tmpfile();
  StdConsole console(in, out);
  ASSERT_EQ(write(ends[1], "a\r", 2), 2);
  auto line = std::async(std::launch::async, [&] { return console.readLine(); });
  const bool returned = line.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
  if (!returned) {
    close(ends[1]);  // let the blocked read end before failing
  }
  ASSERT_TRUE(returned) << "readLine waited for the byte after a CR";
  EXPECT_EQ(line.get(), "a");
  // The LF that follows belongs to that line end and is dropped.
  ASSERT_EQ(write(ends[1], "\nb\n", 3), 3);
  EXPECT_EQ(console.readLine(), "b");
  close(ends[1]);
  EXPECT_EQ(console.readLine(), "");
  EXPECT_TRUE(console.inputEnded());
  std::fclose(in);
  std::fclose(out);
}

TEST(StdConsoleTest, OutputAppearsWhenTheProgramWaits) {
  std::FILE* in = fileWith("reply\n");
  std::FILE* out = std::tmpfile();
  StdConsole console(in, out);
  console.writeText("prompt: ");
  console.writeLine("x");
  EXPECT_EQ(contentOf(out), "");
  EXPECT_EQ(console.readLine(), "reply");
  EXPECT_EQ(contentOf(out), "prompt: x\n");
  std::fclose(in);
  std::fclose(out);
}

}  // namespace
}  // namespace kestrel
