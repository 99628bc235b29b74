// Runs the real kestrelbook program for end-to-end tests: on a fresh
// pseudo-terminal that is its controlling terminal, or detached from any
// terminal. Every wait has a time limit, so a stuck program fails a test
// instead of hanging it.
#pragma once

#include <sys/types.h>
#include <termios.h>

#include <chrono>
#include <cstddef>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>

namespace kestrel {

using std::chrono::milliseconds;

/// Generous enough for a sanitizer build on a busy machine.
constexpr milliseconds kPatience{20000};

/// How a child process ended, or that it has not ended yet.
struct Ending {
  enum class Kind { kRunning, kExited, kSignalled };
  Kind kind = Kind::kRunning;
  int value = 0;  // the exit status or the signal number

  /// The ending of a process that called exit(status).
  static Ending exited(int status) { return {Kind::kExited, status}; }
  /// The ending of a process killed by the signal.
  static Ending signalled(int signal) { return {Kind::kSignalled, signal}; }
  bool operator==(const Ending&) const = default;
};

/// Writes "exit status N", "signal N (name)" or "still running", for test messages.
std::ostream& operator<<(std::ostream& out, const Ending& ending);

/// How the program is started on its pseudo-terminal.
struct PtyOptions {
  std::string program = KESTRELBOOK_PROGRAM;
  /// When not empty, standard input comes from this file instead of the terminal.
  std::string stdinPath;
  /// When not zero, the child's RLIMIT_STACK soft limit in bytes.
  std::size_t stackLimit = 0;
  /// Input passes unchanged and nothing is echoed: no ICANON, ECHO, ISIG, IEXTEN,
  /// IXON, ICRNL. Keys typed ahead then queue without the 4096-byte line limit.
  /// Otherwise the terminal starts cooked: canonical input, echo, signal keys.
  bool raw = false;
  /// No output processing either, so output() holds the program's bytes exactly
  /// (otherwise every "\n" it writes arrives as "\r\n").
  bool rawOutput = false;
};

class PtySession {
 public:
  /// Starts the program in the current working directory; throws std::runtime_error
  /// when the terminal cannot be made or the program cannot be executed.
  explicit PtySession(PtyOptions options = {});
  /// Kills the program with SIGKILL if it still runs, reaps it and closes the terminal.
  ~PtySession();
  PtySession(const PtySession&) = delete;
  PtySession& operator=(const PtySession&) = delete;

  /// Types the bytes, collecting output meanwhile so a slow reader cannot block
  /// us; throws std::runtime_error when the program takes none for the limit's time.
  void send(std::string_view bytes, milliseconds limit = kPatience);
  /// Collects output until the text appears anywhere in output(), the limit
  /// passes or the program ends; true when it appeared.
  bool readUntil(std::string_view text, milliseconds limit = kPatience);
  /// How many typed bytes wait in the terminal, not read by the program yet.
  std::size_t unreadInput() const;
  /// Everything the program has written to the terminal so far.
  const std::string& output() const { return output_; }

  /// Waits for the program to end, collecting its output; kRunning when the limit passed.
  Ending waitForExit(milliseconds limit = kPatience);
  /// Sends the signal to the program.
  void kill(int signal);
  pid_t pid() const { return pid_; }

  /// The terminal's modes as they were set up just before the program started.
  const termios& initialModes() const { return initialModes_; }
  /// The terminal's modes at this moment.
  termios modes() const;
  /// Polls the modes until the condition holds or the limit passes; true when it held.
  bool waitForModes(const std::function<bool(const termios&)>& condition,
                    milliseconds limit = kPatience);

 private:
  // Makes the terminal and starts the program; the constructor cleans up if it throws.
  void start(PtyOptions& options);
  // Reads whatever output arrives within the time; true when any did.
  bool collect(int timeoutMs);
  void reap(int options);

  int master_ = -1;
  int slave_ = -1;  // kept open so the terminal and its modes outlive the program
  pid_t pid_ = -1;
  Ending ending_;
  termios initialModes_{};
  std::string output_;
};

/// What a program run without a terminal did.
struct DetachedRun {
  Ending ending;
  std::string output;  // standard output and standard error together
  milliseconds elapsed{0};
};

/// Runs the program in a new session without a controlling terminal, standard
/// input from the file, output to a pipe; kills it if it outlives the limit.
DetachedRun runDetached(const std::string& stdinPath = "/dev/null", milliseconds limit = kPatience,
                        const std::string& program = KESTRELBOOK_PROGRAM);

}  // namespace kestrel
