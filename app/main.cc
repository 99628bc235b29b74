// Kestrelbook: a card-index database for the text console.
#include <cstdio>
#include <exception>

#include "app/app.h"
#include "console/error_report.h"
#include "console/std_console.h"
#include "console/terminal.h"

int main() {
  kestrel::terminal::prepareStreams();
  kestrel::StdConsole console(stdin, stdout);
  kestrel::Program program(console, kestrel::systemFileSystem());
  try {
    kestrel::runProgram(program);
  } catch (const std::exception& error) {
    return kestrel::reportError(console, error.what());
  }
  return 0;
}
