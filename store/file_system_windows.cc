// The file system on Windows. A new file is written under a name of its own
// and moved over the old one with MoveFileExW, replacing it and writing
// through, so that a crash leaves one whole file or the other.
#include <windows.h>

#include <string>

#include "console/fatal_error.h"
#include "store/file_system.h"

namespace kestrel {

namespace {

std::wstring wide(const std::string& path) {
  const int length =
      MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
  std::wstring result(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), result.data(), length);
  return result;
}

// The system's text for an error code, without its final line end.
std::string describe(DWORD error) {
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string description =
      length > 0 ? std::string(text, length) : "error " + std::to_string(error);
  LocalFree(text);
  while (!description.empty() && (description.back() == '\n' || description.back() == '\r')) {
    description.pop_back();
  }
  return description;
}

class WindowsFile : public WritableFile {
 public:
  WindowsFile(HANDLE handle, std::string path) : handle_(handle), path_(std::move(path)) {}
  ~WindowsFile() override { close(); }

  const std::string& path() const override { return path_; }

  bool append(std::string_view data) override {
    while (!data.empty()) {
      const DWORD chunk = data.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(data.size());
      DWORD wrote = 0;
      if (!WriteFile(handle_, data.data(), chunk, &wrote, nullptr) || wrote == 0) {
        return false;
      }
      data.remove_prefix(wrote);
    }
    return true;
  }

  bool sync() override { return FlushFileBuffers(handle_) != 0; }

  bool close() override {
    if (handle_ == INVALID_HANDLE_VALUE) {
      return true;
    }
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return CloseHandle(handle) != 0;
  }

 private:
  HANDLE handle_;
  std::string path_;
};

class WindowsFileSystem : public FileSystem {
 public:
  bool exists(const std::string& path) override {
    return GetFileAttributesW(wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
  }

  std::optional<std::string> readFile(const std::string& path) override {
    const HANDLE handle = CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      return std::nullopt;
    }
    std::string content;
    char buffer[1 << 16];
    for (;;) {
      DWORD got = 0;
      if (!ReadFile(handle, buffer, sizeof buffer, &got, nullptr)) {
        CloseHandle(handle);
        throw FatalError("unable to read from stream");
      }
      if (got == 0) {
        break;
      }
      content.append(buffer, got);
    }
    CloseHandle(handle);
    return content;
  }

  std::unique_ptr<WritableFile> createTemporary(const std::string& target) override {
    static unsigned serial = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
      const std::string path =
          target + ".new-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(serial++);
      const HANDLE handle = CreateFileW(wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
      if (handle != INVALID_HANDLE_VALUE) {
        return std::make_unique<WindowsFile>(handle, path);
      }
      if (GetLastError() != ERROR_FILE_EXISTS) {
        return nullptr;
      }
    }
    return nullptr;
  }

  bool rename(const std::string& from, const std::string& to) override {
    return MoveFileExW(wide(from).c_str(), wide(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  }

  // MoveFileExW with MOVEFILE_WRITE_THROUGH returns only once the move is on disk.
  bool syncFolder(const std::string&) override { return true; }

  std::string remove(const std::string& path) override {
    if (DeleteFileW(wide(path).c_str())) {
      return "";
    }
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
      return "";
    }
    return describe(error);
  }
};

}  // namespace

FileSystem& systemFileSystem() {
  static WindowsFileSystem files;
  return files;
}

std::string recordFilePath() {
  return "dBase\\Kestrelbook.txt";
}

}  // namespace kestrel
