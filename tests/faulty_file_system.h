// The real file system with one chosen step of writing made to fail, to show
// what a save leaves behind when the disk gives out part-way.
#pragma once

#include "store/file_system.h"

namespace kestrel {

enum class Fault { kNone, kCreate, kAppend, kSync, kClose, kRename, kSyncFolder };

class FaultyFileSystem : public FileSystemWrapper {
 public:
  explicit FaultyFileSystem(Fault fault) : FileSystemWrapper(systemFileSystem()), fault_(fault) {}

  std::unique_ptr<WritableFile> createTemporary(const std::string& target) override;
  bool rename(const std::string& from, const std::string& to) override {
    return fault_ != Fault::kRename && FileSystemWrapper::rename(from, to);
  }
  bool syncFolder(const std::string& path) override {
    return fault_ != Fault::kSyncFolder && FileSystemWrapper::syncFolder(path);
  }

 private:
  Fault fault_;
};

}  // namespace kestrel
