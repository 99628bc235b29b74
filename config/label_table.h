// The label keys every screen looks up, with their default texts.
#pragma once

#include <string_view>

namespace kestrel {

struct DefaultLabel {
  std::string_view key;
  std::string_view text;
};

/// The 47 labels in the order their defaults are inserted.
extern const DefaultLabel kDefaultLabels[47];

/// The default text of a label key; "" for a key outside the table.
std::string_view defaultLabelText(std::string_view key);

}  // namespace kestrel
