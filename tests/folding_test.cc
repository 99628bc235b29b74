// Folding of bytes above 128 into learned codes, and the dialogue in which
// the user teaches a byte.
#include <gtest/gtest.h>

#include "config/configuration.h"
#include "console/fatal_error.h"
#include "small_book.h"
#include "store/folding.h"
#include "temp_dir.h"

namespace kestrel {
namespace {

// The dialogue for a byte not learned yet, with the small book's margin.
std::string dialogue(char byte) {
  return "\n" + M + "Character " + byte + "was not yet used.\n\n" + M +
         "Please enter its lower case version: ";
}

struct FoldCase {
  const char* name;
  std::string text;
  std::map<unsigned char, std::uint32_t> known;
  std::vector<std::string> replies;
  std::string folded;
  std::string taught;  // the bytes asked about, in order
  friend void PrintTo(const FoldCase& c, std::ostream* out) { *out << c.name; }
};

// Counts the files renamed into place, that is the saves that succeeded.
class CountingFileSystem : public FileSystemWrapper {
 public:
  CountingFileSystem() : FileSystemWrapper(systemFileSystem()) {}
  bool rename(const std::string& from, const std::string& to) override {
    saves += to == "Kestrelbook.cfg";
    return FileSystemWrapper::rename(from, to);
  }
  std::size_t saves = 0;
};

class FoldingTest : public testing::TestWithParam<FoldCase> {};

TEST_P(FoldingTest, ReplacesSpecialBytesByTheirCodes) {
  const FoldCase& c = GetParam();
  TempDir dir;
  CountingFileSystem files;
  SmallBook book({}, files);
  book.program.config.specialCharacters = c.known;
  for (const std::string& reply : c.replies) {
    book.console.addLine(reply);
  }
  EXPECT_EQ(foldSpecialCharacters(book.program, c.text), c.folded);
  std::string dialogues;
  for (char byte : c.taught) {
    dialogues += dialogue(byte);
  }
  EXPECT_EQ(book.console.transcript(), dialogues);
  EXPECT_EQ(book.console.linesLeft(), 0u);
  // Each learned pair was written to the configuration file at once.
  EXPECT_EQ(files.saves, c.taught.size());
  if (!c.taught.empty()) {
    EXPECT_EQ(parseConfiguration(readFileBytes("Kestrelbook.cfg")).specialCharacters,
              book.program.config.specialCharacters);
    EXPECT_EQ(book.program.config.specialCharacters.size(), c.known.size() + c.taught.size());
  }
}

std::string allPlainBytes() {
  std::string text;
  for (int byte = 0; byte <= 128; ++byte) {
    text.push_back(static_cast<char>(byte));
  }
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FoldingTest,
    testing::Values(FoldCase{"Empty", "", {}, {}, "", ""},
                    FoldCase{"BytesUpTo128AreKept", allPlainBytes(), {}, {}, allPlainBytes(), ""},
                    FoldCase{"Byte129IsFolded",
                             "\x80\x81",
                             {{0x81, 7}},
                             {},
                             "\x80"
                             "7",
                             ""},
                    FoldCase{
                        "RepeatedByteIsAskedOnce", "\xC4-\xC4", {}, {"\xE4"}, "228-228", "\xC4"},
                    FoldCase{"TwoUnlearnedBytesInOrder",
                             "\xE9\xC4\xE9",
                             {},
                             {"\xE9", "\xE4"},
                             "233228233",
                             "\xE9\xC4"},
                    FoldCase{"TaughtLetterFoldsToItsDigits", "\xC1", {}, {"a"}, "97", "\xC1"},
                    FoldCase{"CodeZero", "x\xFF", {{0xFF, 0}}, {}, "x0", ""},
                    FoldCase{"FoldedTextFoldsToItself", "228b", {}, {}, "228b", ""}),
    [](const testing::TestParamInfo<FoldCase>& info) { return info.param.name; });

TEST(FoldingTest, TaughtPairMakesTwoTextsEqual) {
  TempDir dir;
  SmallBook book;
  book.console.addLine("\xE4");  // the lower-case version of C4 is E4
  book.console.addLine("\xE4");  // and E4 is its own
  EXPECT_EQ(lowerAscii(foldSpecialCharacters(book.program, "\xC4rger")),
            lowerAscii(foldSpecialCharacters(book.program, "\xE4RGER")));
}

TEST(LearningDialogueTest, WrongLengthRepliesAreRefusedAndThePairIsKept) {
  TempDir dir;
  SmallBook book;
  for (const char* reply : {"", "ab", "\xC3\xA4", " "}) {
    book.console.addLine(reply);
  }
  EXPECT_EQ(foldSpecialCharacters(book.program, "\xC4"), "32");
  const std::string again = "\n" + M + "Please enter its lower case version: ";
  EXPECT_EQ(book.console.transcript(), dialogue('\xC4') + again + again + again);
  const std::string file = readFileBytes("Kestrelbook.cfg");
  EXPECT_TRUE(file.ends_with("\r\n[special_characters]\r\n\xC4 32\r\n")) << file;
  EXPECT_EQ(parseConfiguration(file).specialCharacters,
            (std::map<unsigned char, std::uint32_t>{{0xC4, 32}}));
}

TEST(LearningDialogueTest, EndOfInputEndsTheProgram) {
  TempDir dir;
  SmallBook book;
  book.console.addLine("toolong");
  EXPECT_THROW(foldSpecialCharacters(book.program, "\xC4"), FatalError);
  EXPECT_TRUE(book.program.config.specialCharacters.empty());
}

TEST(ComparisonFormTest, LowerCasingAndStripping) {
  EXPECT_EQ(lowerAscii("AZaz@[`{\x7F\x80"), "azaz@[`{\x7F\x80");
  EXPECT_EQ(stripWhitespace("\t\n\v\f\r a b \r\n"), "a b");
  EXPECT_EQ(stripWhitespace(" \t "), "");
  EXPECT_EQ(stripWhitespace("\x85x\xA0"), "\x85x\xA0");
}

}  // namespace
}  // namespace kestrel
