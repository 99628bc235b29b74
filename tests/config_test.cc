// The configuration file: the file of a first start, the reading rules and
// errors, and the display texts built from what was read.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "app/program.h"
#include "config/config_file.h"
#include "config/configuration.h"
#include "config/label_table.h"
#include "console/fatal_error.h"
#include "faulty_file_system.h"
#include "temp_dir.h"
#include "test_program.h"

namespace kestrel {
namespace {

constexpr std::string_view kDefaultTail =
    "\r\r\n[columns]\r\ndatum 1\r\ndatum 2\r\ndatum 3\r\ndatum 4\r\ndatum 5\r\ndatum 6\r\n"
    "\r\r\n[indentation]\r\nleft_margin 16\r\n\r\r\n[special_characters]\r\n";

std::string replaceAll(std::string text, std::string_view from, std::string_view to) {
  std::string out;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(from, start)) != std::string::npos;
       start = at + from.size()) {
    out.append(text, start, at - start).append(to);
  }
  return out.append(text, start);
}

// The message of the FatalError that parsing throws, or "" when it throws none.
std::string parseError(std::string_view content) {
  try {
    parseConfiguration(content);
  } catch (const FatalError& error) {
    return error.what();
  }
  return "";
}

TEST(ConfigFileTest, FirstStartWritesTheDefaultFileByteForByte) {
  TempDir dir;
  TestProgram test;
  loadConfiguration(test.program);
  const std::string file = readFileBytes("Kestrelbook.cfg");

  EXPECT_EQ(file.size(), 1856u);
  ASSERT_TRUE(file.starts_with("[labels]\r\n"));
  ASSERT_TRUE(file.ends_with(kDefaultTail));
  // The label lines come in the map's order; as a set they are the table.
  std::string block = file.substr(10, file.size() - 10 - kDefaultTail.size());
  std::multiset<std::string> lines;
  for (std::size_t at; (at = block.find("\r\n")) != std::string::npos; block.erase(0, at + 2)) {
    lines.insert(block.substr(0, at));
  }
  EXPECT_EQ(block, "");
  std::multiset<std::string> expected;
  for (const DefaultLabel& label : kDefaultLabels) {
    expected.insert(std::string(label.key) + " " + std::string(label.text));
  }
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(test.console.transcript(), "");
}

TEST(ConfigFileTest, DefaultFileReadsBackToTheDefaults) {
  const Configuration defaults = defaultConfiguration();
  const std::string file = formatConfiguration(defaults);
  for (std::string_view lineEnd : {"\r\n", "\n", "\r"}) {
    SCOPED_TRACE(testing::PrintToString(std::string(lineEnd)));
    const Configuration read = parseConfiguration(replaceAll(file, "\r\n", lineEnd));
    EXPECT_EQ(read.labelTexts, defaults.labelTexts);
    EXPECT_EQ(read.columnNames, defaults.columnNames);
    EXPECT_EQ(read.indentation, std::vector<std::uint32_t>{16});
    EXPECT_TRUE(read.specialCharacters.empty());
    EXPECT_EQ(read.labels, defaults.labels);
    EXPECT_EQ(read.columnLabels, defaults.columnLabels);
  }
}

TEST(ConfigFileTest, WrittenFileReadsBackToWhatWasWritten) {
  Configuration config = parseConfiguration(
      "[labels]\ntitle  Two spaces \nodd_key x\n[columns]\n name \nb\n"
      "[indentation]\nleft_margin 3\n[special_characters]\n\xC4 228\n\xE4 228\n");
  const Configuration read = parseConfiguration(formatConfiguration(config));
  EXPECT_EQ(read.labelTexts, config.labelTexts);
  EXPECT_EQ(read.columnNames, config.columnNames);
  EXPECT_EQ(read.indentation, std::vector<std::uint32_t>{3});
  EXPECT_EQ(read.specialCharacters, config.specialCharacters);
}

struct ReadingCase {
  const char* name;
  std::string content;
  std::vector<std::string> columns;
  std::uint32_t margin;
  std::vector<std::pair<std::string, std::string>> texts;  // key, labelTexts value ("-" absent)
  std::map<unsigned char, std::uint32_t> special = {};
  friend void PrintTo(const ReadingCase& c, std::ostream* out) { *out << c.name; }
};

class ReadingRulesTest : public testing::TestWithParam<ReadingCase> {};

TEST_P(ReadingRulesTest, StoresWhatTheRulesSay) {
  const ReadingCase& c = GetParam();
  const Configuration config = parseConfiguration(c.content);
  EXPECT_EQ(config.columnNames, c.columns);
  EXPECT_EQ(config.leftMargin, c.margin);
  for (const auto& [key, text] : c.texts) {
    const auto found = config.labelTexts.find(key);
    EXPECT_EQ(found == config.labelTexts.end() ? "-" : found->second, text) << key;
  }
  EXPECT_EQ(config.specialCharacters, c.special);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadingRulesTest,
    testing::Values(
        ReadingCase{"LabelTextsKeepTheirSpaces",
                    "[labels]\nrecord_deleted2  deleted.\nyes                          y - yes\n"
                    "trail x  \n",
                    {},
                    16,
                    {{"record_deleted2", " deleted."},
                     {"yes", "                         y - yes"},
                     {"trail", "x  "}}},
        ReadingCase{"LabelWithoutSpaceIsTheEmptyKey",
                    "[labels]\ntitle\nthanks1 \n",
                    {},
                    16,
                    {{"", ""}, {"title", "-"}, {"thanks1", ""}}},
        ReadingCase{
            "LaterLabelReplacesEarlier", "[labels]\ntitle A\ntitle B\n", {}, 16, {{"title", "B"}}},
        ReadingCase{"BracketInLabelEndsTheSection",
                    "[labels]\ntitle A\nexit [x]\nempty E\n[labels]\nthanks1 T\n",
                    {},
                    16,
                    {{"title", "A"}, {"exit", "-"}, {"empty", "-"}, {"thanks1", "T"}}},
        ReadingCase{"SpacesOnlyLineIsAColumn", "[columns]\n   \nb\n", {"   ", "b"}, 16, {}},
        ReadingCase{
            "EmptyLineEndsASection", "[columns]\na\n\nb\n[columns]\nc\n", {"a", "c"}, 16, {}},
        ReadingCase{"BlankLineOfTheWriterEndsASection", "[columns]\r\na\r\r\nb\r\n", {"a"}, 16, {}},
        ReadingCase{"UnrecognisedHeaderStartsNothing",
                    "[labels] \ntitle A\n\xEF\xBB\xBF[columns]\nx\n[other]\ny\n",
                    {},
                    16,
                    {{"title", "-"}}},
        ReadingCase{
            "UnrecognisedHeaderEndsTheSectionBefore", "[columns]\na\n[notes]\nb\n", {"a"}, 16, {}},
        ReadingCase{"EntriesBeforeTheFirstHeaderAreIgnored",
                    "a\ntitle X\n[columns]\nb\n",
                    {"b"},
                    16,
                    {{"title", "-"}}},
        ReadingCase{"RepeatedHeaderReadsEachPartOnce",
                    "[columns]\nA1\nA2\n\n[columns]\nB1\n",
                    {"A1", "A2", "B1"},
                    16,
                    {}},
        ReadingCase{"AnyWordBeforeTheMargin", "[indentation]\nspaces 8\n", {}, 8, {}},
        ReadingCase{"OnlyTheFirstNumberIsTheMargin", "[indentation]\na 4\nb 9\n", {}, 4, {}},
        ReadingCase{"LargestMarginAccepted", "[indentation]\nm 1000\n", {}, 1000, {}},
        ReadingCase{"NoIndentationGivesSixteen", "[columns]\na\n", {"a"}, 16, {}},
        ReadingCase{"NoBracketAtAllGivesNothing", "title X\ncolumn\n", {}, 16, {{"title", "-"}}},
        ReadingCase{"EmptyFile", "", {}, 16, {}},
        ReadingCase{"SpecialCharacterAnySeparator",
                    "[special_characters]\n\xE9 233\n\xC4x228\n",
                    {},
                    16,
                    {},
                    {{0xE9, 233}, {0xC4, 228}}}),
    [](const testing::TestParamInfo<ReadingCase>& info) { return info.param.name; });

TEST(ConfigFileTest, BadNumbersStopTheProgram) {
  const std::pair<std::string, std::string> cases[] = {
      {"[indentation]\nleft_margin  16\n", "Error: conversion  16"},
      {"[indentation]\nleft_margin 16 \n", "Error: conversion 16 "},
      {"[indentation]\nleft_margin +16\n", "Error: conversion +16"},
      {"[indentation]\n16\n", "Error: conversion "},
      {"[indentation]\nleft_margin 4294967296\n", "Error: overflow 4294967296"},
      {"[indentation]\nleft_margin 1001\n", "Error: margin too large 1001"},
      {"[indentation]\nleft_margin 4294967295\n", "Error: margin too large 4294967295"},
      {"[special_characters]\n\xE9 \n", "Error: conversion "},
      {"[special_characters]\n\xE9\n", "Error: conversion "},
      {"[special_characters]\n\xE9 2a\n", "Error: conversion 2a"},
      {"[special_characters]\n\xE9 99999999999\n", "Error: overflow 99999999999"},
  };
  for (const auto& [content, message] : cases) {
    EXPECT_EQ(parseError(content), message) << content;
  }
}

TEST(ConfigFileTest, MissingLabelsFallBackToTheirDefaults) {
  const Configuration config = parseConfiguration("[labels]\ntitle Mine\n[indentation]\nm 2\n");
  EXPECT_EQ(config.label("title"), "  Mine");
  EXPECT_EQ(config.label("empty"), "  Database is empty.");
  EXPECT_EQ(config.text("record_deleted2"), " deleted.");
  // What is saved is what was read: no defaults are merged into the file.
  EXPECT_EQ(config.labelTexts.size(), 1u);
}

TEST(DisplayTextsTest, LabelsAndColumnLabelsCarryTheMargin) {
  const Configuration defaults = defaultConfiguration();
  EXPECT_EQ(defaults.label("title"), kMargin + "Kestrelbook");
  EXPECT_EQ(defaults.label("yes"), std::string(41, ' ') + "y - yes");
  EXPECT_EQ(defaults.columnLabelWidth(), 24u);
  ASSERT_EQ(defaults.columnLabels.size(), 6u);
  EXPECT_EQ(defaults.columnLabels[2], kMargin + "datum 3 ");

  const Configuration narrow =
      parseConfiguration("[labels]\nempty \n[columns]\nab\nabcdef\n[indentation]\nm 2\n");
  EXPECT_EQ(narrow.columnLabels, (std::vector<std::string>{"  ab     ", "  abcdef "}));
  EXPECT_EQ(narrow.label("empty"), "  ");

  const Configuration none = parseConfiguration("[columns]\nname\n[indentation]\nm 0\n");
  EXPECT_EQ(none.label("title"), "Kestrelbook");
  EXPECT_EQ(none.columnLabels, std::vector<std::string>{"name "});
  EXPECT_EQ(longestLength({}), 0u);
}

TEST(ConfigFileTest, SaveWritesTheMarginInUse) {
  Configuration config = parseConfiguration("[indentation]\nwidth 8\nother 3\n");
  const std::string file = formatConfiguration(config);
  EXPECT_NE(file.find("\r\n[indentation]\r\nleft_margin 8\r\n\r\r\n"), std::string::npos);
}

TEST(ConfigFileTest, UnreadableFileStopsTheProgram) {
  TempDir dir;
  TestProgram test;
  std::filesystem::create_directory("Kestrelbook.cfg");
  try {
    loadConfiguration(test.program);
    FAIL() << "no error";
  } catch (const FatalError& error) {
    EXPECT_STREQ(error.what(), "Cannot open or create file 'Kestrelbook.cfg'");
  }
}

TEST(ConfigFileTest, FileThatCannotBeCreatedGivesTheFerrorLineAndTheDefaults) {
  TempDir dir;
  FaultyFileSystem files(Fault::kCreate);
  TestProgram test(files);
  loadConfiguration(test.program);
  EXPECT_EQ(test.console.transcript(), kMargin + "Cannot create or open file!\n");
  EXPECT_FALSE(pathExists("Kestrelbook.cfg"));
  EXPECT_EQ(test.program.config.columnNames.size(), 6u);
}

}  // namespace
}  // namespace kestrel
