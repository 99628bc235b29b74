// The terminal on POSIX systems. A key is read from the controlling terminal
// with canonical input, echo and signal keys turned off; the saved modes are
// put back with TCSANOW, so keys typed ahead stay queued. A signal that ends
// the program while the modes are changed restores them before it dies.
#include <fcntl.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "console/fatal_error.h"
#include "console/terminal.h"

namespace kestrel::terminal {

namespace {

// Shared with the signal handler, hence plain globals.
volatile sig_atomic_t gModesChanged = 0;
int gTerminal = -1;
struct termios gSavedModes;

constexpr int kEndingSignals[] = {SIGTERM, SIGHUP, SIGINT, SIGQUIT};

void restoreAndDie(int signal) {
  if (gModesChanged) {
    tcsetattr(gTerminal, TCSANOW, &gSavedModes);
    gModesChanged = 0;
  }
  ::signal(signal, SIG_DFL);
  raise(signal);
}

void installSignalHandlers() {
  static bool installed = false;
  if (installed) {
    return;
  }
  installed = true;
  for (int signal : kEndingSignals) {
    struct sigaction old {};
    sigaction(signal, nullptr, &old);
    if (old.sa_handler == SIG_IGN) {
      continue;  // a signal ignored by whoever started us stays ignored
    }
    struct sigaction action {};
    action.sa_handler = restoreAndDie;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
  }
}

// Closes the terminal when a read ends, however it ends.
class TerminalHandle {
 public:
  TerminalHandle() : fd_(open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC)) {}
  ~TerminalHandle() {
    if (fd_ >= 0) {
      close(fd_);
    }
  }
  int fd() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

void prepareStreams() {}

unsigned char readKey() {
  TerminalHandle terminal;
  if (terminal.fd() < 0) {
    throw FatalError("no console keyboard to read a key from: start Kestrelbook in a terminal");
  }
  struct termios saved;
  if (tcgetattr(terminal.fd(), &saved) != 0) {
    throw FatalError("no console keyboard to read a key from (the terminal has no modes)");
  }
  installSignalHandlers();
  struct termios raw = saved;
  raw.c_lflag &= ~(ICANON | ECHO | ISIG);
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;

  gTerminal = terminal.fd();
  gSavedModes = saved;
  gModesChanged = 1;
  if (tcsetattr(terminal.fd(), TCSANOW, &raw) != 0) {
    gModesChanged = 0;
    throw FatalError("no console keyboard to read a key from (the terminal modes cannot be set)");
  }
  unsigned char key = 0;
  ssize_t got;
  do {
    got = read(terminal.fd(), &key, 1);
  } while (got < 0 && errno == EINTR);
  tcsetattr(terminal.fd(), TCSANOW, &saved);
  gModesChanged = 0;
  if (got != 1) {
    throw FatalError("the console keyboard cannot be read any more");
  }
  return key;
}

void clearScreen() {
  // Cursor home, clear the screen, clear the scroll-back (xterm and its kin).
  static const char kClear[] = "\x1b[H\x1b[2J\x1b[3J";
  std::fwrite(kClear, 1, sizeof kClear - 1, stdout);
  std::fflush(stdout);
}

}  // namespace kestrel::terminal
