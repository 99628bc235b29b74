#include "store/folding.h"

#include <algorithm>

#include "app/program.h"
#include "config/config_file.h"
#include "console/fatal_error.h"

namespace kestrel {

namespace {

constexpr unsigned char kHighestPlainByte = 128;

bool isSpecial(char c) {
  return static_cast<unsigned char>(c) > kHighestPlainByte;
}

// Asks the user for the lower-case version of the byte and keeps the pair.
std::uint32_t learn(Program& program, unsigned char byte) {
  Console& console = program.console;
  const Configuration& config = program.config;
  console.writeText("\n");
  console.writeText(config.label("new_token1"));
  console.writeText(std::string(1, static_cast<char>(byte)));
  console.writeText(config.text("new_token2"));
  console.writeText("\n\n");
  console.writeText(config.label("enter_token"));
  std::string reply = console.readLine();
  while (reply.size() != 1) {
    if (console.inputEnded()) {
      throw FatalError("input ended before the lower case version of a character was typed");
    }
    console.writeText("\n");
    console.writeText(config.label("enter_token"));
    reply = console.readLine();
  }
  console.flush();
  const std::uint32_t code = static_cast<unsigned char>(reply[0]);
  program.config.specialCharacters[byte] = code;
  saveConfiguration(program);
  return code;
}

}  // namespace

std::string foldSpecialCharacters(Program& program, std::string_view text) {
  if (std::none_of(text.begin(), text.end(), isSpecial)) {
    return std::string(text);
  }
  // One pass: each special byte, in the order of its first occurrence, is
  // learned if need be and replaced by its code's digits.
  std::string folded;
  folded.reserve(text.size() * 3);
  for (const char c : text) {
    if (!isSpecial(c)) {
      folded.push_back(c);
      continue;
    }
    const auto byte = static_cast<unsigned char>(c);
    const auto known = program.config.specialCharacters.find(byte);
    const std::uint32_t code =
        known != program.config.specialCharacters.end() ? known->second : learn(program, byte);
    folded.append(std::to_string(code));
  }
  return folded;
}

std::string lowerAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    }
  }
  return text;
}

std::string_view stripWhitespace(std::string_view text) {
  constexpr std::string_view kWhitespace = "\t\n\v\f\r ";
  const std::size_t first = text.find_first_not_of(kWhitespace);
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(kWhitespace) - first + 1);
}

}  // namespace kestrel
