// The console of a real run: buffered standard output, standard input read
// line by line, keys and screen clearing from the platform terminal.
#pragma once

#include <cstdio>
#include <string>

#include "console/console.h"

namespace kestrel {

class StdConsole : public Console {
 public:
  /// Reads lines from in and writes to out; a real run passes stdin and stdout.
  StdConsole(std::FILE* in, std::FILE* out);
  ~StdConsole() override;

  void writeText(std::string_view text) override;
  void clearScreen() override;
  unsigned char readKey() override;
  std::string readLine() override;
  bool inputEnded() const override { return inputEnded_; }
  void flush() override;

 private:
  std::FILE* in_;
  std::FILE* out_;
  std::string output_;
  bool dropLineFeed_ = false;  // the last line ended at a lone "\r" so far
  bool inputEnded_ = false;
};

}  // namespace kestrel
