// A console for tests: keys and lines come from lists, and everything
// written is kept in a transcript in which each clearScreen() shows as kClear.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "console/console.h"

namespace kestrel {

class ScriptConsole : public Console {
 public:
  /// What a clearScreen() leaves in the transcript.
  static constexpr std::string_view kClear = "<clear>";

  ScriptConsole(std::string keys = "", std::vector<std::string> lines = {});

  void writeText(std::string_view text) override { transcript_.append(text); }
  void clearScreen() override { transcript_.append(kClear); }
  /// The next scripted key; throws FatalError when none are left, as a real
  /// console without keyboard does.
  unsigned char readKey() override;
  /// The next scripted line; "" and inputEnded() once they are used up.
  std::string readLine() override;
  bool inputEnded() const override { return inputEnded_; }
  void flush() override {}

  const std::string& transcript() const { return transcript_; }
  /// Returns the transcript so far and starts a new one.
  std::string takeTranscript();
  void addKeys(std::string_view keys) { keys_.insert(keys_.end(), keys.begin(), keys.end()); }
  void addLine(std::string line) { lines_.push_back(std::move(line)); }
  std::size_t keysLeft() const { return keys_.size(); }
  std::size_t linesLeft() const { return lines_.size(); }

 private:
  std::deque<char> keys_;
  std::deque<std::string> lines_;
  std::string transcript_;
  bool inputEnded_ = false;
};

}  // namespace kestrel
