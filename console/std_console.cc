#include "console/std_console.h"

#include <cstdio>

#include "console/terminal.h"

namespace kestrel {

namespace {
// Output is collected and written in large pieces: a screen is one write.
constexpr std::size_t kFlushThreshold = 1 << 16;
}  // namespace

StdConsole::StdConsole(std::FILE* in, std::FILE* out) : in_(in), out_(out) {}

StdConsole::~StdConsole() {
  flush();
}

void StdConsole::writeText(std::string_view text) {
  output_.append(text);
  if (output_.size() >= kFlushThreshold) {
    flush();
  }
}

void StdConsole::flush() {
  if (!output_.empty()) {
    std::fwrite(output_.data(), 1, output_.size(), out_);
    output_.clear();
  }
  std::fflush(out_);
}

void StdConsole::clearScreen() {
  flush();
  terminal::clearScreen();
}

unsigned char StdConsole::readKey() {
  flush();
  return terminal::readKey();
}

std::string StdConsole::readLine() {
  flush();
  std::string line;
  int c = std::getc(in_);
  // A lone "\r" ended the previous line without waiting for what follows;
  // a "\n" right behind it belongs to that line end.
  if (dropLineFeed_ && c == '\n') {
    c = std::getc(in_);
  }
  dropLineFeed_ = false;
  if (c == EOF) {
    inputEnded_ = true;
    return line;
  }
  while (c != EOF && c != '\n') {
    if (c == '\r') {
      dropLineFeed_ = true;
      break;
    }
    line.push_back(static_cast<char>(c));
    c = std::getc(in_);
  }
  return line;
}

}  // namespace kestrel
