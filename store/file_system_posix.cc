// The file system on POSIX systems.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "console/fatal_error.h"
#include "store/file_system.h"

namespace kestrel {

namespace {

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) {
    return ".";
  }
  return slash == 0 ? "/" : path.substr(0, slash);
}

class PosixFile : public WritableFile {
 public:
  PosixFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  ~PosixFile() override { close(); }

  const std::string& path() const override { return path_; }

  bool append(std::string_view data) override {
    while (!data.empty()) {
      const ssize_t wrote = ::write(fd_, data.data(), data.size());
      if (wrote < 0 && errno == EINTR) {
        continue;
      }
      if (wrote <= 0) {
        return false;
      }
      data.remove_prefix(static_cast<std::size_t>(wrote));
    }
    return true;
  }

  bool sync() override { return ::fsync(fd_) == 0; }

  bool close() override {
    if (fd_ < 0) {
      return true;
    }
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
  std::string path_;
};

class PosixFileSystem : public FileSystem {
 public:
  bool exists(const std::string& path) override {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
  }

  std::optional<std::string> readFile(const std::string& path) override {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
      return std::nullopt;
    }
    struct stat info;
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
      ::close(fd);
      return std::nullopt;
    }
    std::string content;
    if (info.st_size > 0) {
      content.reserve(static_cast<std::size_t>(info.st_size));
    }
    char buffer[1 << 16];
    for (;;) {
      const ssize_t got = ::read(fd, buffer, sizeof buffer);
      if (got < 0 && errno == EINTR) {
        continue;
      }
      if (got < 0) {
        ::close(fd);
        throw FatalError("unable to read from stream");
      }
      if (got == 0) {
        break;
      }
      content.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return content;
  }

  std::unique_ptr<WritableFile> createTemporary(const std::string& target) override {
    // A name of our own next to the target; O_EXCL makes it ours alone, and
    // the usual mode lets the umask decide the permissions, as for any file.
    static unsigned serial = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
      const std::string path =
          target + ".new-" + std::to_string(::getpid()) + "-" + std::to_string(serial++);
      const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd >= 0) {
        return std::make_unique<PosixFile>(fd, path);
      }
      if (errno != EEXIST) {
        return nullptr;
      }
    }
    return nullptr;
  }

  bool rename(const std::string& from, const std::string& to) override {
    return ::rename(from.c_str(), to.c_str()) == 0;
  }

  bool syncFolder(const std::string& path) override {
    const int fd = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
      return false;
    }
    // Some file systems cannot sync a folder at all; that is no failure of ours.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
    ::close(fd);
    return synced;
  }

  std::string remove(const std::string& path) override {
    if (::unlink(path.c_str()) == 0 || errno == ENOENT) {
      return "";
    }
    return std::strerror(errno);
  }
};

}  // namespace

FileSystem& systemFileSystem() {
  static PosixFileSystem files;
  return files;
}

std::string recordFilePath() {
  return "dBase/Kestrelbook.txt";
}

}  // namespace kestrel
