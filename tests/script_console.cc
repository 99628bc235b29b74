#include "script_console.h"

#include "console/fatal_error.h"

namespace kestrel {

ScriptConsole::ScriptConsole(std::string keys, std::vector<std::string> lines)
    : keys_(keys.begin(), keys.end()), lines_(lines.begin(), lines.end()) {}

unsigned char ScriptConsole::readKey() {
  if (keys_.empty()) {
    throw FatalError("script: no keys left");
  }
  const char key = keys_.front();
  keys_.pop_front();
  return static_cast<unsigned char>(key);
}

std::string ScriptConsole::readLine() {
  if (lines_.empty()) {
    inputEnded_ = true;
    return "";
  }
  std::string line = std::move(lines_.front());
  lines_.pop_front();
  return line;
}

std::string ScriptConsole::takeTranscript() {
  std::string taken;
  taken.swap(transcript_);
  return taken;
}

}  // namespace kestrel
