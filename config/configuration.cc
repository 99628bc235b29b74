#include "config/configuration.h"

#include <algorithm>

#include "config/label_table.h"
#include "console/fatal_error.h"
#include "store/lines.h"

namespace kestrel {

namespace {

constexpr std::uint32_t kDefaultMargin = 16;
constexpr char kCrLf[] = "\r\n";
// A blank line between sections is a lone CR, so the file holds CR CR LF.
constexpr char kBlankLine[] = "\r\r\n";

enum class Section { kNone, kLabels, kColumns, kIndentation, kSpecialCharacters };

Section sectionNamed(std::string_view line) {
  if (line == "[labels]")
    return Section::kLabels;
  if (line == "[columns]")
    return Section::kColumns;
  if (line == "[indentation]")
    return Section::kIndentation;
  if (line == "[special_characters]")
    return Section::kSpecialCharacters;
  return Section::kNone;
}

void storeEntry(Configuration& config, Section section, std::string_view line) {
  switch (section) {
    case Section::kLabels:
      config.labelTexts.insert_or_assign(std::string(keyPart(line, ' ')),
                                         std::string(valuePart(line, ' ')));
      break;
    case Section::kColumns:
      config.columnNames.emplace_back(line);
      break;
    case Section::kIndentation: {
      const std::string_view number = valuePart(line, ' ');
      const std::uint32_t value = parseDecimal(number);
      // Only the first number is the margin; refuse a huge one before any
      // text is built with that many spaces.
      if (config.indentation.empty() && value > kLargestMargin) {
        throw FatalError("Error: margin too large " + std::string(number));
      }
      config.indentation.push_back(value);
      break;
    }
    case Section::kSpecialCharacters: {
      const std::uint32_t code = parseDecimal(line.size() > 2 ? line.substr(2) : "");
      config.specialCharacters[static_cast<unsigned char>(line[0])] = code;
      break;
    }
    case Section::kNone:
      break;
  }
}

}  // namespace

std::string_view Configuration::label(std::string_view key) const {
  const auto found = labels.find(key);
  return found == labels.end() ? std::string_view() : std::string_view(found->second);
}

std::string_view Configuration::text(std::string_view key) const {
  const auto found = labelTexts.find(key);
  return found == labelTexts.end() ? defaultLabelText(key) : std::string_view(found->second);
}

std::uint32_t Configuration::columnLabelWidth() const {
  return leftMargin + longestLength(columnNames) + 1;
}

Configuration defaultConfiguration() {
  Configuration config;
  for (const DefaultLabel& label : kDefaultLabels) {
    config.labelTexts.emplace(label.key, label.text);
  }
  for (int i = 1; i <= 6; ++i) {
    config.columnNames.push_back("datum " + std::to_string(i));
  }
  config.indentation.push_back(kDefaultMargin);
  buildDisplayTexts(config);
  return config;
}

Configuration parseConfiguration(std::string_view content) {
  // Each header's entries run up to the next line holding "[", the next
  // empty line or the end; a header that occurs again is read again there.
  Configuration config;
  Section section = Section::kNone;
  LineReader lines(content);
  std::string_view line;
  while (lines.next(line)) {
    if (line.find('[') != std::string_view::npos) {
      section = sectionNamed(line);
    } else if (line.empty()) {
      section = Section::kNone;
    } else {
      storeEntry(config, section, line);
    }
  }
  buildDisplayTexts(config);
  return config;
}

std::string formatConfiguration(const Configuration& config) {
  std::string out = "[labels]\r\n";
  for (const auto& [key, text] : config.labelTexts) {
    out.append(key).append(" ").append(text).append(kCrLf);
  }
  out.append(kBlankLine).append("[columns]\r\n");
  for (const std::string& name : config.columnNames) {
    out.append(name).append(kCrLf);
  }
  out.append(kBlankLine).append("[indentation]\r\n");
  out.append("left_margin ").append(std::to_string(config.leftMargin)).append(kCrLf);
  out.append(kBlankLine).append("[special_characters]\r\n");
  for (const auto& [byte, code] : config.specialCharacters) {
    out.push_back(static_cast<char>(byte));
    out.append(" ").append(std::to_string(code)).append(kCrLf);
  }
  return out;
}

void buildDisplayTexts(Configuration& config) {
  config.leftMargin = config.indentation.empty() ? kDefaultMargin : config.indentation[0];
  buildColumnLabels(config);
  buildLabels(config);
}

void buildColumnLabels(Configuration& config) {
  const std::string margin(config.leftMargin, ' ');
  const std::uint32_t longest = longestLength(config.columnNames);
  for (const std::string& name : config.columnNames) {
    config.columnLabels.push_back(margin + name + std::string(longest + 1 - name.size(), ' '));
  }
}

void buildLabels(Configuration& config) {
  const std::string margin(config.leftMargin, ' ');
  for (const auto& [key, text] : config.labelTexts) {
    config.labels[key] = margin + text;
  }
  for (const DefaultLabel& label : kDefaultLabels) {
    config.labels.emplace(label.key, margin + std::string(label.text));
  }
}

std::uint32_t longestLength(const std::vector<std::string>& texts) {
  std::size_t longest = 0;
  for (const std::string& text : texts) {
    longest = std::max(longest, text.size());
  }
  return static_cast<std::uint32_t>(longest);
}

std::string_view keyPart(std::string_view line, char separator) {
  const std::size_t at = line.find(separator);
  return at == std::string_view::npos ? std::string_view() : line.substr(0, at);
}

std::string_view valuePart(std::string_view line, char separator) {
  const std::size_t at = line.find(separator);
  return at == std::string_view::npos ? std::string_view() : line.substr(at + 1);
}

std::uint32_t parseDecimal(std::string_view text) {
  if (text.empty() ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    throw FatalError("Error: conversion " + std::string(text));
  }
  std::uint64_t value = 0;
  for (char c : text) {
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value > 0xFFFFFFFFu) {
      throw FatalError("Error: overflow " + std::string(text));
    }
  }
  return static_cast<std::uint32_t>(value);
}

}  // namespace kestrel
