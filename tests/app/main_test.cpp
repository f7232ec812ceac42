// Drives the built program through a pseudo-terminal, as a person at a
// keyboard would: every prompt must be on the screen before the program
// waits for the answer. Piped runs check what a script sees: the exit
// status when the output cannot be written, and draws replayed by seed.

#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/exit_status.h"
#include "support/expected_screens.h"

namespace {

class Terminal {
 public:
  // `prepare` runs in the program's process before it starts.
  explicit Terminal(void (*prepare)() = [] {}) {
    pid_ = forkpty(&master_, nullptr, nullptr, nullptr);
    if (pid_ == 0) {
      prepare();
      setenv("LC_ALL", "C.UTF-8", 1);
      execl(ZEPIRO_BINARY, "zepiro", static_cast<char*>(nullptr));
      _exit(127);
    }
  }
  ~Terminal() {
    if (pid_ > 0 && !exited_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    hangUp();
  }
  Terminal(const Terminal&) = delete;
  Terminal& operator=(const Terminal&) = delete;

  // Reads the screen until `text` appears after what was seen before;
  // false if it does not within five seconds.
  bool waitFor(const std::string& text) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (screen_.find(text, seen_) == std::string::npos) {
      auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          deadline - std::chrono::steady_clock::now());
      pollfd fd{master_, POLLIN, 0};
      if (left.count() <= 0 || poll(&fd, 1, static_cast<int>(left.count())) <= 0) {
        return false;
      }
      char buffer[4096];
      ssize_t got = read(master_, buffer, sizeof buffer);
      if (got <= 0) {
        return false;
      }
      screen_.append(buffer, static_cast<size_t>(got));
    }
    seen_ = screen_.find(text, seen_) + text.size();
    return true;
  }

  // Closes the terminal as a closed window does: writes to it then fail.
  void hangUp() {
    close(master_);
    master_ = -1;
  }

  // Typing changes the terminal, if not the members: not const.
  void type(const std::string& keys) {  // NOLINT(readability-make-member-function-const)
    ASSERT_EQ(::write(master_, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
  }

  // CPU time the program has used so far, in clock ticks.
  [[nodiscard]] long cpuTicks() const {
    std::ifstream stat("/proc/" + std::to_string(pid_) + "/stat");
    std::string line;
    std::getline(stat, line);
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string skip;
    for (int i = 0; i < 11; ++i) {
      fields >> skip;  // state to cmajflt
    }
    long user = 0;
    long system = 0;
    fields >> user >> system;
    return user + system;
  }

  // Waits for the program to end and returns its exit status.
  ExitStatus exitStatus() {
    int status = 0;
    for (int i = 0; i < 500 && waitpid(pid_, &status, WNOHANG) == 0; ++i) {
      usleep(10000);
    }
    exited_ = true;
    return static_cast<ExitStatus>(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
  }

 private:
  int master_ = -1;
  pid_t pid_ = -1;
  bool exited_ = false;
  std::string screen_;
  size_t seen_ = 0;
};

const std::string kTitlePrompt = "2:更新履歴):";

// Where the program's standard output goes in a piped run.
enum class Output { pipe, full, closed, pipeWithoutReader };

// Where it reads from: the given text, a directory, or nothing at all.
enum class Input { text, directory, closed };

struct PipedRun {
  ExitStatus status;  // the exit status, or -signal when a signal ended it
  std::string out;
  std::string err;
};

std::string readAll(int fd) {
  std::string text;
  char buffer[4096];
  for (ssize_t got = read(fd, buffer, sizeof buffer); got > 0;
       got = read(fd, buffer, sizeof buffer)) {
    text.append(buffer, static_cast<size_t>(got));
  }
  close(fd);
  return text;
}

// Runs the built program with `args`, `input` as its standard input, and
// its standard output as `output` says; SIGPIPE is ignored, as a shell's
// `trap '' PIPE` would leave it.
PipedRun runPiped(std::vector<const char*> args, const std::string& input, Output output,
                  Input from = Input::text) {
  std::FILE* in = std::tmpfile();
  std::fwrite(input.data(), 1, input.size(), in);
  std::rewind(in);
  int outPipe[2];
  int errPipe[2];
  if (pipe(outPipe) != 0 || pipe(errPipe) != 0) {
    return {static_cast<ExitStatus>(-1), "", "no pipe"};
  }
  if (output == Output::pipeWithoutReader) {
    close(outPipe[0]);
  }
  pid_t pid = fork();
  if (pid == 0) {
    signal(SIGPIPE, SIG_IGN);
    setenv("LC_ALL", "C.UTF-8", 1);
    dup2(from == Input::directory ? open("/", O_RDONLY) : fileno(in), 0);
    if (from == Input::closed) {
      close(0);
    }
    dup2(errPipe[1], 2);
    if (output == Output::full) {
      dup2(open("/dev/full", O_WRONLY), 1);
    } else if (output == Output::closed) {
      close(1);
    } else {
      dup2(outPipe[1], 1);
    }
    args.insert(args.begin(), "zepiro");
    args.push_back(nullptr);
    execv(ZEPIRO_BINARY, const_cast<char* const*>(args.data()));
    _exit(127);
  }
  close(outPipe[1]);
  close(errPipe[1]);
  std::fclose(in);
  PipedRun run{};
  run.out = output == Output::pipeWithoutReader ? "" : readAll(outPipe[0]);
  run.err = readAll(errPipe[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  run.status = static_cast<ExitStatus>(WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status));
  return run;
}

}  // namespace

TEST(Terminal, EveryPromptIsShownBeforeTheProgramWaits) {
  Terminal t;
  ASSERT_TRUE(t.waitFor(kTitlePrompt));
  t.type("2\n");
  ASSERT_TRUE(t.waitFor("とりあえず公開"));
  ASSERT_TRUE(t.waitFor(kTitlePrompt));
  t.type("0\n");
  ASSERT_TRUE(t.waitFor(kPeoplePrompt));
  t.type("1\n");
  ASSERT_TRUE(t.waitFor(kRacesPrompt));
  t.type("2\n");
  ASSERT_TRUE(t.waitFor(namePrompt(1)));
  t.type("ゼピロ\n");
  ASSERT_TRUE(t.waitFor("2:縛りなし):"));
  t.type("2\n");
  ASSERT_TRUE(t.waitFor("5:終了する"));
  t.type("abc\n");
  ASSERT_TRUE(t.waitFor("□数字で入力してください"));
  ASSERT_TRUE(t.waitFor("5:終了する"));
  t.type("5\n");
  EXPECT_EQ(t.exitStatus(), ExitStatus::finished);
}

TEST(Terminal, EndOfInputEndsWithStatusOne) {
  Terminal t;
  ASSERT_TRUE(t.waitFor(kTitlePrompt));
  t.type("\x04");  // Ctrl-D at the start of a line
  EXPECT_EQ(t.exitStatus(), ExitStatus::inputEnded);
}

TEST(Terminal, WaitingAtAPromptUsesNoProcessorTimeEvenOnANonBlockingTerminal) {
  Terminal t([] { fcntl(0, F_SETFL, fcntl(0, F_GETFL) | O_NONBLOCK); });
  ASSERT_TRUE(t.waitFor(kTitlePrompt));
  long before = t.cpuTicks();
  std::this_thread::sleep_for(std::chrono::seconds(1));
  EXPECT_LE(t.cpuTicks() - before, 2);  // at most 20 ms of a second spent waiting
  t.type("0\n");
  ASSERT_TRUE(t.waitFor(kPeoplePrompt));
  before = t.cpuTicks();
  std::this_thread::sleep_for(std::chrono::seconds(1));
  EXPECT_LE(t.cpuTicks() - before, 2);
}

TEST(Terminal, AWriteThatFailsOnALineBufferedTerminalEndsWithStatusTwo) {
  Terminal t([] { signal(SIGHUP, SIG_IGN); });
  ASSERT_TRUE(t.waitFor(kTitlePrompt));
  t.hangUp();  // the input ends, and the final line end cannot be written
  EXPECT_EQ(t.exitStatus(), ExitStatus::cannotWork);
}

TEST(Piped, InputThatCannotBeReadEndsWithStatusTwoAndSaysWhy) {
  const std::pair<Input, std::string> cases[] = {{Input::directory, "Is a directory"},
                                                 {Input::closed, "Bad file descriptor"}};
  for (const auto& [from, reason] : cases) {
    PipedRun run = runPiped({}, "", Output::pipe, from);
    EXPECT_EQ(run.status, ExitStatus::cannotWork) << reason;
    EXPECT_EQ(run.err, "zepiro: 入力を読めません: " + reason + "\n");
  }
}

TEST(Piped, OutputThatCannotBeWrittenEndsWithStatusTwoAndSaysWhy) {
  const std::string tally = "1\n2 1\nA B\n10\n20\n2\n";
  EXPECT_EQ(runPiped({}, tally, Output::pipe).status, ExitStatus::finished);
  const std::pair<Output, const char*> cases[] = {
      {Output::full, "No space left on device"},
      {Output::closed, "Bad file descriptor"},
      {Output::pipeWithoutReader, "Broken pipe"},
  };
  for (auto [output, reason] : cases) {
    PipedRun run = runPiped({}, tally, output);
    EXPECT_EQ(run.status, ExitStatus::cannotWork) << reason;
    EXPECT_EQ(run.err, kOutputFailed + reason + "\n");
  }
  // Answers that would go on for ever do not: the first write fails.
  EXPECT_EQ(runPiped({}, "0\n1 1\nA\n2\n" + std::string(200000, '0') + "\n", Output::full).status,
            ExitStatus::cannotWork);
}

TEST(Piped, TheSameSeedGivesTheSameDrawsAndAnotherSeedOthers) {
  const std::string draws = "0\n4 6\nA B C D\n2\n0\n0\n5\n";
  PipedRun first = runPiped({"--seed", "12345"}, draws, Output::pipe);
  PipedRun again = runPiped({"--seed", "12345"}, draws, Output::pipe);
  PipedRun other = runPiped({"--seed", "54321"}, draws, Output::pipe);
  EXPECT_EQ(first.status, ExitStatus::finished);
  EXPECT_EQ(first.out, again.out);
  EXPECT_NE(first.out, other.out);
  EXPECT_EQ(runPiped({"--seed"}, draws, Output::pipe).status, ExitStatus::cannotWork);
}
