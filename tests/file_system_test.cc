// The crash-safe replacement of a file: what a save leaves on disk when
// writing fails at each step, and the removal of files.
#include <gtest/gtest.h>

#include <filesystem>

#include "config/config_file.h"
#include "console/fatal_error.h"
#include "faulty_file_system.h"
#include "store/record_file.h"
#include "temp_dir.h"
#include "test_program.h"

namespace kestrel {
namespace {

const std::string kOld = "old\r\n\xC2\xAD\r\n";

// The names in the folder, so that a left-over temporary file shows.
std::vector<std::string> folderContents(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(ReplaceFileTest, ReplacesTheWholeFileAndLeavesNothingElse) {
  TempDir dir;
  writeFileBytes("dBase/file", kOld);
  EXPECT_TRUE(replaceFile(systemFileSystem(), "dBase/file", "new"));
  EXPECT_EQ(readFileBytes("dBase/file"), "new");
  EXPECT_TRUE(replaceFile(systemFileSystem(), "dBase/fresh", ""));
  EXPECT_EQ(readFileBytes("dBase/fresh"), "");
  EXPECT_EQ(folderContents("dBase"), (std::vector<std::string>{"file", "fresh"}));
}

TEST(ReplaceFileTest, FailurePartWayLeavesTheOldFileByteIdentical) {
  for (Fault fault : {Fault::kAppend, Fault::kSync, Fault::kClose, Fault::kRename}) {
    SCOPED_TRACE(static_cast<int>(fault));
    TempDir dir;
    writeFileBytes("dBase/Kestrelbook.txt", kOld);
    FaultyFileSystem files(fault);
    TestProgram test(files);
    test.program.records = {{"new", "record"}};
    try {
      saveRecords(test.program);
      ADD_FAILURE() << "the failure was not reported";
    } catch (const FatalError& error) {
      EXPECT_STREQ(error.what(), "unable to write to stream");
    }
    EXPECT_EQ(readFileBytes("dBase/Kestrelbook.txt"), kOld);
    EXPECT_EQ(folderContents("dBase"), std::vector<std::string>{"Kestrelbook.txt"});
  }
}

TEST(ReplaceFileTest, FolderSyncFailureIsReported) {
  TempDir dir;
  FaultyFileSystem files(Fault::kSyncFolder);
  EXPECT_THROW(replaceFile(files, "dBase/file", "new"), FatalError);
}

TEST(ReplaceFileTest, FileThatCannotBeCreatedWritesNothing) {
  TempDir dir;
  writeFileBytes("Kestrelbook.cfg", "[columns]\r\nname\r\n");
  FaultyFileSystem files(Fault::kCreate);
  TestProgram test(files);
  EXPECT_FALSE(replaceFile(files, "Kestrelbook.cfg", "new"));
  saveConfiguration(test.program);
  EXPECT_EQ(test.console.transcript(), kMargin + "Cannot create or open file!\n");
  EXPECT_EQ(readFileBytes("Kestrelbook.cfg"), "[columns]\r\nname\r\n");
}

TEST(RemoveFileTest, MissingFileIsGoneAlreadyAndAFolderIsRefused) {
  TempDir dir;
  writeFileBytes("dBase/file", kOld);
  EXPECT_EQ(systemFileSystem().remove("dBase/file"), "");
  EXPECT_FALSE(pathExists("dBase/file"));
  EXPECT_EQ(systemFileSystem().remove("dBase/file"), "");
  std::filesystem::create_directory("dBase/folder");
  EXPECT_NE(systemFileSystem().remove("dBase/folder"), "");
}

TEST(RemoveFileTest, RecordFileRemovalFailureNamesThePath) {
  TempDir dir;
  TestProgram test;
  std::filesystem::create_directory("dBase/Kestrelbook.txt");
  try {
    removeRecordFile(test.program);
    FAIL() << "no error";
  } catch (const FatalError& error) {
    const std::string message = error.what();
    EXPECT_TRUE(message.starts_with("dBase/Kestrelbook.txt: ")) << message;
    EXPECT_GT(message.size(), 23u);
    EXPECT_NE(message.back(), '\n');
  }
}

}  // namespace
}  // namespace kestrel
