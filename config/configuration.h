// The configuration: label texts, column names, margin and learned
// special-character codes, with the display texts built from them, and the
// text form of the configuration file.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

struct Configuration {
  // As read from the file (or the defaults); this is what a save writes.
  std::map<std::string, std::string, std::less<>> labelTexts;
  std::vector<std::string> columnNames;
  std::vector<std::uint32_t> indentation;
  std::map<unsigned char, std::uint32_t> specialCharacters;

  // Display texts, built once by buildDisplayTexts and read by the screens.
  std::uint32_t leftMargin = 0;
  std::map<std::string, std::string, std::less<>> labels;
  std::vector<std::string> columnLabels;

  /// The label text behind the margin, for the start of a line.
  std::string_view label(std::string_view key) const;
  /// The label text alone, for text that continues a line.
  std::string_view text(std::string_view key) const;
  /// The number of record columns.
  std::uint32_t columnCount() const { return static_cast<std::uint32_t>(columnLabels.size()); }
  /// The length of every column label: margin, longest name and one space.
  std::uint32_t columnLabelWidth() const;
};

/// The largest margin accepted from a configuration file.
constexpr std::uint32_t kLargestMargin = 1000;

/// The configuration of a first start, display texts built.
Configuration defaultConfiguration();
/// Reads a configuration file's content and builds the display texts;
/// throws FatalError on a bad number or a margin above kLargestMargin.
Configuration parseConfiguration(std::string_view content);
/// The configuration file's content for the configuration.
std::string formatConfiguration(const Configuration& config);

/// Sets leftMargin from indentation (16 when it is empty), then builds the
/// column labels and the labels.
void buildDisplayTexts(Configuration& config);
/// Appends to columnLabels: margin, name, spaces up to columnLabelWidth.
void buildColumnLabels(Configuration& config);
/// Sets labels for every key of labelTexts and every default key missing from it.
void buildLabels(Configuration& config);
/// The byte length of the longest text; 0 for an empty list.
std::uint32_t longestLength(const std::vector<std::string>& texts);

/// The bytes before the first separator; "" when there is none.
std::string_view keyPart(std::string_view line, char separator);
/// The bytes after the first separator; "" when there is none.
std::string_view valuePart(std::string_view line, char separator);
/// One or more ASCII digits as a 32-bit number; throws FatalError otherwise.
std::uint32_t parseDecimal(std::string_view text);

}  // namespace kestrel
