#include "pty_session.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace kestrel {

namespace {

using Clock = std::chrono::steady_clock;

// How long a poll sleeps at most while we also watch for the child's end.
constexpr int kSliceMs = 10;

std::runtime_error systemError(const std::string& what) {
  return std::runtime_error(what + ": " + std::strerror(errno));
}

int msUntil(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
  return static_cast<int>(std::max<long long>(left, 0));
}

Ending endingOf(int status) {
  if (WIFEXITED(status)) {
    return Ending::exited(WEXITSTATUS(status));
  }
  return Ending::signalled(WTERMSIG(status));
}

void closeFd(int& fd) {
  if (fd >= 0) {
    close(fd);
    fd = -1;
  }
}

// Between fork and exec only async-signal-safe calls are allowed: the child
// puts back default signal handling, so the signals the tests send act as
// they would for a program started from a shell.
void resetSignalsInChild() {
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  struct sigaction standard {};
  standard.sa_handler = SIG_DFL;
  sigemptyset(&standard.sa_mask);
  for (int signal = 1; signal < NSIG; ++signal) {
    sigaction(signal, &standard, nullptr);
  }
}

[[noreturn]] void execInChild(char* program, int errorPipe) {
  char* argv[] = {program, nullptr};
  execv(program, argv);
  if (errorPipe >= 0) {
    const int error = errno;
    ssize_t ignored = write(errorPipe, &error, sizeof error);
    (void)ignored;
  }
  _exit(127);
}

void makeRaw(termios& modes, bool rawOutput) {
  modes.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG | IEXTEN);
  modes.c_iflag &= ~static_cast<tcflag_t>(IXON | ICRNL | INLCR | IGNCR | ISTRIP | BRKINT);
  modes.c_cc[VMIN] = 1;
  modes.c_cc[VTIME] = 0;
  if (rawOutput) {
    modes.c_oflag &= ~static_cast<tcflag_t>(OPOST);
  }
}

void makeCooked(termios& modes) {
  modes.c_lflag |= ICANON | ECHO | ECHOE | ECHOK | ISIG | IEXTEN;
  modes.c_iflag |= ICRNL | IXON;
  modes.c_oflag |= OPOST | ONLCR;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const Ending& ending) {
  switch (ending.kind) {
    case Ending::Kind::kRunning:
      return out << "still running";
    case Ending::Kind::kExited:
      return out << "exit status " << ending.value;
    case Ending::Kind::kSignalled:
      return out << "signal " << ending.value << " (" << strsignal(ending.value) << ")";
  }
  return out;
}

PtySession::PtySession(PtyOptions options) {
  try {
    start(options);
  } catch (...) {
    closeFd(master_);
    closeFd(slave_);
    throw;
  }
}

void PtySession::start(PtyOptions& options) {
  master_ = posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
    throw systemError("cannot open a pseudo-terminal");
  }
  fcntl(master_, F_SETFD, FD_CLOEXEC);
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  char name[128];
  if (ptsname_r(master_, name, sizeof name) != 0) {
    throw systemError("cannot name the pseudo-terminal");
  }
  slave_ = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (slave_ < 0) {
    throw systemError(std::string("cannot open ") + name);
  }
  termios modes{};
  tcgetattr(slave_, &modes);
  if (options.raw) {
    makeRaw(modes, options.rawOutput);
  } else {
    makeCooked(modes);
  }
  const winsize size{25, 80, 0, 0};
  if (tcsetattr(slave_, TCSANOW, &modes) != 0 || ioctl(slave_, TIOCSWINSZ, &size) != 0 ||
      tcgetattr(slave_, &initialModes_) != 0) {
    throw systemError("cannot set the pseudo-terminal's modes");
  }

  int errorPipe[2];
  if (pipe2(errorPipe, O_CLOEXEC) != 0) {
    throw systemError("cannot make a pipe");
  }
  int input = slave_;
  if (!options.stdinPath.empty()) {
    input = open(options.stdinPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (input < 0) {
      const std::runtime_error error = systemError("cannot open " + options.stdinPath);
      close(errorPipe[0]);
      close(errorPipe[1]);
      throw error;
    }
  }
  pid_ = fork();
  if (pid_ == 0) {
    resetSignalsInChild();
    if (setsid() < 0 || ioctl(slave_, TIOCSCTTY, 0) != 0) {
      _exit(126);
    }
    dup2(input, STDIN_FILENO);
    dup2(slave_, STDOUT_FILENO);
    dup2(slave_, STDERR_FILENO);
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);  // SIGQUIT in a test leaves no core file
    if (options.stackLimit != 0) {
      rlimit limit{};
      getrlimit(RLIMIT_STACK, &limit);
      limit.rlim_cur = std::min<rlim_t>(options.stackLimit, limit.rlim_max);
      setrlimit(RLIMIT_STACK, &limit);
    }
    execInChild(options.program.data(), errorPipe[1]);
  }
  const int forkError = errno;
  close(errorPipe[1]);
  if (input != slave_) {
    close(input);
  }
  if (pid_ < 0) {
    close(errorPipe[0]);
    errno = forkError;
    throw systemError("cannot fork");
  }
  // The pipe closes without a byte when exec succeeds.
  int execError = 0;
  ssize_t got;
  while ((got = read(errorPipe[0], &execError, sizeof execError)) < 0 && errno == EINTR) {
  }
  close(errorPipe[0]);
  if (got > 0) {
    reap(0);
    errno = execError;
    throw systemError("cannot execute " + options.program);
  }
}

PtySession::~PtySession() {
  if (pid_ > 0 && ending_.kind == Ending::Kind::kRunning) {
    ::kill(pid_, SIGKILL);
    reap(0);
  }
  closeFd(master_);
  closeFd(slave_);
}

bool PtySession::collect(int timeoutMs) {
  pollfd watch{master_, POLLIN, 0};
  if (poll(&watch, 1, timeoutMs) <= 0 || (watch.revents & POLLIN) == 0) {
    return false;
  }
  bool gotAny = false;
  char buffer[8192];
  for (;;) {
    const ssize_t got = read(master_, buffer, sizeof buffer);
    if (got > 0) {
      output_.append(buffer, static_cast<std::size_t>(got));
      gotAny = true;
    } else if (got == 0 || errno != EINTR) {
      return gotAny;  // EAGAIN: all read for now
    }
  }
}

void PtySession::send(std::string_view bytes, milliseconds limit) {
  auto deadline = Clock::now() + limit;
  while (!bytes.empty()) {
    pollfd watch{master_, POLLIN | POLLOUT, 0};
    if (poll(&watch, 1, std::min(msUntil(deadline), kSliceMs)) > 0) {
      if (watch.revents & POLLIN) {
        collect(0);
      }
      if (watch.revents & POLLOUT) {
        const ssize_t put = write(master_, bytes.data(), bytes.size());
        if (put > 0) {
          bytes.remove_prefix(static_cast<std::size_t>(put));
          deadline = Clock::now() + limit;
        } else if (put < 0 && errno != EAGAIN && errno != EINTR) {
          throw systemError("cannot type to the program");
        }
      }
    }
    if (!bytes.empty() && Clock::now() >= deadline) {
      throw std::runtime_error("the program stopped taking typed bytes, " +
                               std::to_string(bytes.size()) + " left");
    }
  }
}

bool PtySession::readUntil(std::string_view text, milliseconds limit) {
  const auto deadline = Clock::now() + limit;
  std::size_t from = 0;  // where the text could start that was not searched yet
  for (;;) {
    if (output_.find(text, from) != std::string::npos) {
      return true;
    }
    if (output_.size() >= text.size()) {
      from = output_.size() - text.size() + 1;
    }
    if (Clock::now() >= deadline) {
      return false;
    }
    if (!collect(std::min(msUntil(deadline), kSliceMs)) &&
        waitForExit(milliseconds(0)).kind != Ending::Kind::kRunning) {
      // Nothing more can come; waitForExit has collected the last of it.
      return output_.find(text, from) != std::string::npos;
    }
  }
}

void PtySession::reap(int options) {
  int status = 0;
  pid_t got;
  while ((got = waitpid(pid_, &status, options)) < 0 && errno == EINTR) {
  }
  if (got == pid_) {
    ending_ = endingOf(status);
  }
}

Ending PtySession::waitForExit(milliseconds limit) {
  const auto deadline = Clock::now() + limit;
  while (ending_.kind == Ending::Kind::kRunning) {
    reap(WNOHANG);
    if (ending_.kind != Ending::Kind::kRunning) {
      break;
    }
    if (Clock::now() >= deadline) {
      return ending_;
    }
    collect(std::min(msUntil(deadline), kSliceMs));
  }
  // What the program wrote last may still be on its way through the terminal.
  while (collect(kSliceMs)) {
  }
  return ending_;
}

void PtySession::kill(int signal) {
  if (pid_ > 0 && ending_.kind == Ending::Kind::kRunning) {
    ::kill(pid_, signal);
  }
}

std::size_t PtySession::unreadInput() const {
  int waiting = 0;
  if (ioctl(slave_, FIONREAD, &waiting) != 0) {
    throw systemError("cannot count the typed bytes");
  }
  return static_cast<std::size_t>(waiting);
}

termios PtySession::modes() const {
  termios now{};
  if (tcgetattr(slave_, &now) != 0) {
    throw systemError("cannot read the pseudo-terminal's modes");
  }
  return now;
}

bool PtySession::waitForModes(const std::function<bool(const termios&)>& condition,
                              milliseconds limit) {
  const auto deadline = Clock::now() + limit;
  while (!condition(modes())) {
    if (Clock::now() >= deadline) {
      return false;
    }
    collect(1);
  }
  return true;
}

DetachedRun runDetached(const std::string& stdinPath, milliseconds limit,
                        const std::string& program) {
  int out[2];
  if (pipe2(out, O_CLOEXEC) != 0) {
    throw systemError("cannot make a pipe");
  }
  const int input = open(stdinPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (input < 0) {
    const std::runtime_error error = systemError("cannot open " + stdinPath);
    close(out[0]);
    close(out[1]);
    throw error;
  }
  std::string path = program;
  DetachedRun run;
  const auto started = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    resetSignalsInChild();
    setsid();
    dup2(input, STDIN_FILENO);
    dup2(out[1], STDOUT_FILENO);
    dup2(out[1], STDERR_FILENO);
    execInChild(path.data(), -1);
  }
  close(input);
  close(out[1]);
  if (pid < 0) {
    close(out[0]);
    throw systemError("cannot fork");
  }
  fcntl(out[0], F_SETFL, fcntl(out[0], F_GETFL) | O_NONBLOCK);
  const auto deadline = started + limit;
  bool open = true;  // the pipe stays open until the program is gone
  int status = 0;
  bool ended = false;
  while (!ended || open) {
    if (!ended) {
      const bool late = Clock::now() >= deadline;
      if (late) {
        kill(pid, SIGKILL);  // and it is reported as still running
      }
      if (waitpid(pid, &status, late ? 0 : WNOHANG) == pid) {
        ended = true;
        run.elapsed = std::chrono::duration_cast<milliseconds>(Clock::now() - started);
        run.ending = late ? Ending{} : endingOf(status);
      }
    } else if (Clock::now() >= deadline + milliseconds(1000)) {
      break;  // something else holds the pipe open: give up on the rest
    }
    pollfd watch{out[0], POLLIN, 0};
    if (open && poll(&watch, 1, kSliceMs) > 0) {
      char buffer[4096];
      const ssize_t got = read(out[0], buffer, sizeof buffer);
      if (got > 0) {
        run.output.append(buffer, static_cast<std::size_t>(got));
      } else if (got == 0 || errno != EAGAIN) {
        open = false;
      }
    }
  }
  close(out[0]);
  return run;
}

}  // namespace kestrel
