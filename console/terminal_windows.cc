// The terminal on Windows. Keys are read from the console input itself
// (CONIN$), so they keep coming when standard input is redirected; the
// screen is cleared by the command interpreter's "cls".
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "console/fatal_error.h"
#include "console/terminal.h"

namespace kestrel::terminal {

namespace {

// Closes a handle however the function that opened it ends.
class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() {
    if (valid()) {
      CloseHandle(handle_);
    }
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

void prepareStreams() {
  // Bytes pass unchanged: no "\n" becomes "\r\n" on the way out, and line
  // ends on the way in are split by the console's own reader.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
}

unsigned char readKey() {
  Handle input(CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
  DWORD saved = 0;
  if (!input.valid() || !GetConsoleMode(input.get(), &saved)) {
    throw FatalError("no console keyboard to read a key from");
  }
  // No line input, no echo, no Ctrl+C processing: each key as it comes.
  if (!SetConsoleMode(input.get(), 0)) {
    throw FatalError("no console keyboard to read a key from (the console mode cannot be set)");
  }
  char key = 0;
  DWORD got = 0;
  const BOOL read = ReadConsoleA(input.get(), &key, 1, &got, nullptr);
  SetConsoleMode(input.get(), saved);
  if (!read || got != 1) {
    throw FatalError("the console keyboard cannot be read any more");
  }
  return static_cast<unsigned char>(key);
}

void clearScreen() {
  const char* interpreter = std::getenv("COMSPEC");
  std::string command = "\"";
  command += interpreter != nullptr ? interpreter : "cmd.exe";
  command += "\" /c cls";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                     &process)) {
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
}

}  // namespace kestrel::terminal
