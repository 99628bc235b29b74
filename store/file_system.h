// The file system as the program sees it: whole-file reads, files written
// through a temporary file and renamed into place, and removal. One
// implementation per system (file_system_posix.cc, file_system_windows.cc);
// tests wrap it to inject failures.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kestrel {

/// A new file being written; closed (if still open) when destroyed.
class WritableFile {
 public:
  virtual ~WritableFile() = default;
  /// The path the file was created at.
  virtual const std::string& path() const = 0;
  /// Appends all the bytes; false on failure.
  virtual bool append(std::string_view data) = 0;
  /// Forces the written bytes to the device; false on failure.
  virtual bool sync() = 0;
  /// Closes the file; false on failure.
  virtual bool close() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  /// True when anything, a file or a folder, exists at the path.
  virtual bool exists(const std::string& path) = 0;
  /// The whole content of a file; nullopt when it cannot be opened as a file.
  /// Throws FatalError when reading fails part-way.
  virtual std::optional<std::string> readFile(const std::string& path) = 0;
  /// Creates a new, empty file in the folder of target; nullptr when impossible.
  virtual std::unique_ptr<WritableFile> createTemporary(const std::string& target) = 0;
  /// Renames from over to, replacing to; false on failure.
  virtual bool rename(const std::string& from, const std::string& to) = 0;
  /// Makes a finished rename into the folder of path durable; false on failure.
  virtual bool syncFolder(const std::string& path) = 0;
  /// Removes the file; "" when it is gone or was never there, else the
  /// system's description of the failure.
  virtual std::string remove(const std::string& path) = 0;
};

/// Forwards every call to another file system; tests override single calls.
class FileSystemWrapper : public FileSystem {
 public:
  explicit FileSystemWrapper(FileSystem& target) : target_(target) {}
  bool exists(const std::string& path) override { return target_.exists(path); }
  std::optional<std::string> readFile(const std::string& path) override {
    return target_.readFile(path);
  }
  std::unique_ptr<WritableFile> createTemporary(const std::string& target) override {
    return target_.createTemporary(target);
  }
  bool rename(const std::string& from, const std::string& to) override {
    return target_.rename(from, to);
  }
  bool syncFolder(const std::string& path) override { return target_.syncFolder(path); }
  std::string remove(const std::string& path) override { return target_.remove(path); }

 private:
  FileSystem& target_;
};

/// The file system of this machine.
FileSystem& systemFileSystem();

/// The record file's path, relative to the working directory, spelt for this system.
std::string recordFilePath();

/// Replaces the file at path by content, so that a crash at any moment leaves
/// the old file or the new one, whole. Returns false, having written nothing,
/// when the new file cannot be created; throws FatalError("unable to write to
/// stream") on any later failure, leaving the old file as it was.
bool replaceFile(FileSystem& files, const std::string& path, std::string_view content);

}  // namespace kestrel
