// The console primitives through which every screen writes and reads.
// Output goes to standard output, typed lines come from standard input and
// single keys from the console keyboard itself.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kestrel {

class Console {
 public:
  virtual ~Console() = default;

  /// Writes the bytes unchanged, without a line end.
  virtual void writeText(std::string_view text) = 0;
  /// Clears the console; what was written before disappears.
  virtual void clearScreen() = 0;
  /// Waits for one keystroke, without echo or line editing, and returns its byte.
  virtual unsigned char readKey() = 0;
  /// Reads the next line of standard input without its line end; "" at end of input.
  virtual std::string readLine() = 0;
  /// True once a readLine found standard input ended before any byte of a line.
  virtual bool inputEnded() const = 0;
  /// Makes everything written so far appear.
  virtual void flush() = 0;

  /// Writes the text and one "\n".
  void writeLine(std::string_view text);
  /// Writes a number in decimal.
  void writeNumber(std::uint64_t number);
  /// Writes " a/b", the position form of the record display.
  void writePosition(std::uint32_t a, std::uint32_t b);
};

}  // namespace kestrel
