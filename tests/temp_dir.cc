#include "temp_dir.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace kestrel {

TempDir::TempDir(bool withDataFolder) {
  std::string pattern = (std::filesystem::temp_directory_path() / "kestrel-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot create a temporary folder");
  }
  path_ = pattern;
  if (withDataFolder) {
    std::filesystem::create_directory(path_ + "/dBase");
  }
  previous_ = std::filesystem::current_path().string();
  std::filesystem::current_path(path_);
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::current_path(previous_, ignored);
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::string readFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return "<missing>";
  }
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void writeFileBytes(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
}

bool pathExists(const std::string& path) {
  return std::filesystem::exists(path);
}

}  // namespace kestrel
