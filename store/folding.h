// Folding for comparisons: bytes above 128 become the decimal digits of the
// code of their lower-case version, which the user teaches once per byte.
#pragma once

#include <string>
#include <string_view>

namespace kestrel {

struct Program;

/// The text with every byte from 129 to 255 replaced by the digits of its
/// learned code. A byte not learned yet is first taught by the user, and the
/// configuration file is written after each pair; throws FatalError when
/// standard input ends during that dialogue.
std::string foldSpecialCharacters(Program& program, std::string_view text);
/// The text with "A" to "Z" lowered; every other byte, 127 and 128 included, kept.
std::string lowerAscii(std::string text);
/// The text without the whitespace bytes 9 to 13 and 32 at either end.
std::string_view stripWhitespace(std::string_view text);

}  // namespace kestrel
