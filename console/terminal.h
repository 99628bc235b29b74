// The platform side of the console: the keyboard, the screen and the standard
// streams. One implementation per system; CMake picks terminal_posix.cc or
// terminal_windows.cc.
#pragma once

namespace kestrel::terminal {

/// Puts standard input and output into byte mode, so that no line end is converted.
void prepareStreams();
/// Reads one key from the console keyboard with echo, line input and signal keys
/// off, restoring the previous modes afterwards; throws FatalError when no key can be read.
unsigned char readKey();
/// Clears the console and its scroll-back; standard output must be flushed before.
void clearScreen();

}  // namespace kestrel::terminal
