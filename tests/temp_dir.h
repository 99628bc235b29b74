// A fresh working directory for a test, with a "dBase" folder, removed with
// everything in it at the end. The process's working directory moves into it
// for the test's lifetime.
#pragma once

#include <string>

namespace kestrel {

class TempDir {
 public:
  /// Creates the folder (and dBase inside it unless withDataFolder is false) and enters it.
  explicit TempDir(bool withDataFolder = true);
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::string previous_;
};

/// The whole content of a file, or "<missing>" when it cannot be read.
std::string readFileBytes(const std::string& path);
/// Creates or replaces a file with the content.
void writeFileBytes(const std::string& path, const std::string& content);
/// True when anything exists at the path.
bool pathExists(const std::string& path);

}  // namespace kestrel
