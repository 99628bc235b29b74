// Splits file contents into lines. A line ends at CR LF, at a lone LF or at a
// lone CR; the line end is not part of the line, and the last line needs none.
#pragma once

#include <string_view>

namespace kestrel {

class LineReader {
 public:
  explicit LineReader(std::string_view content) : rest_(content) {}

  /// Sets line to the next line and returns true; false when no bytes are left.
  bool next(std::string_view& line) {
    if (rest_.empty()) {
      return false;
    }
    std::size_t end = 0;
    while (end < rest_.size() && rest_[end] != '\n' && rest_[end] != '\r') {
      ++end;
    }
    if (end == rest_.size()) {
      line = rest_;
      rest_ = {};
      return true;
    }
    line = rest_.substr(0, end);
    const bool crlf = rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n';
    rest_.remove_prefix(end + (crlf ? 2 : 1));
    return true;
  }

 private:
  std::string_view rest_;
};

}  // namespace kestrel
