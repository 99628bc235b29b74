// The one kind of error that ends the program. It is thrown wherever the
// failure happens and caught once, by the top-level error report in main.
#pragma once

#include <stdexcept>
#include <string>

namespace kestrel {

class FatalError : public std::runtime_error {
 public:
  /// The message is what the error report writes after "Error: ".
  explicit FatalError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace kestrel
