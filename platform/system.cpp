// Start-up and shutdown, the clock (real, or virtual when headless), whole-file
// reads for the decoders, the application title, message boxes, console output
// and process exit, with the test hooks that capture output, trap exits and
// drive the virtual clock.
#include "platform/system.h"

#include <SDL.h>
#include <fcntl.h>
#include <pthread.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <array>
#include <csignal>

#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/detail.h"
#include "platform/testing.h"

String AppTitle;

namespace {

using Sink = std::function<void(const std::string&)>;

struct SystemState {
  bool initialised = false;
  bool headless = false;
  bool exitHookRegistered = false;
  pid_t owner = 0;  // the process that ran Init (not a child forked since)
  bool trapExits = false;
  bool virtualClock = false;
  Double virtualMs = 0;
  pid_t boxOwner = 0;  // the process showing a message box, while it does
  std::vector<platform::test::NotifyRecord> notifyLog;
  Sink stdoutSink;
  Sink stderrSink;
};

SystemState& State() {
  static SystemState state;
  return state;
}

void Write(const Sink& sink, std::FILE* stream, const std::string& bytes) {
  if (sink) {
    sink(bytes);
    return;
  }
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
  std::fflush(stream);
}

// The way out for every exit but End and RuntimeError: a library's own exit
// (Xlib's when the display connection is lost), the end of a test program,
// or a child forked by a message box. The display may be gone and the
// process is ending, so nothing of the video subsystem is called; the display
// is only forgotten, so that objects released later free nothing of SDL's.
// The sound output's thread is stopped, by the process that started it,
// before static destructors free what it reads.
void ShutdownAtExit() {
  SystemState& state = State();
  if (!state.initialised) return;
  if (getpid() == state.owner) platform::detail::ShutdownAudio();
  platform::detail::AbandonDisplay();
  platform::detail::ShutdownFonts();
  state.initialised = false;
}

void ChangeToExecutableFolder() {
  char* base = SDL_GetBasePath();
  if (!base) return;
  if (chdir(base) != 0) std::perror(base);
  SDL_free(base);
}

bool StartSdl() {
  const platform::detail::QuietStderr quiet;
  return SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) == 0;
}

// A process forked while a message box is open is the box's own: it ends
// when the process showing the box does, and at once if that one is gone.
void TieBoxChildToParent() {
  const pid_t parent = State().boxOwner;
  if (parent == 0) return;
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (getppid() != parent) _exit(1);
}

// While a message box is open, SDL waits for the child that shows it, and
// its own handlers would turn SIGTERM and SIGINT into a quit event nobody
// reads; for that time they end the process at once, as by default, and the
// box with it.
class MessageBoxSignals {
 public:
  MessageBoxSignals() {
    static const bool registered = pthread_atfork(nullptr, nullptr, TieBoxChildToParent) == 0;
    (void)registered;
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    for (size_t i = 0; i < kSignals.size(); ++i) sigaction(kSignals[i], &byDefault, &saved_[i]);
    State().boxOwner = getpid();
  }
  ~MessageBoxSignals() {
    State().boxOwner = 0;
    for (size_t i = 0; i < kSignals.size(); ++i) sigaction(kSignals[i], &saved_[i], nullptr);
  }
  MessageBoxSignals(const MessageBoxSignals&) = delete;
  MessageBoxSignals& operator=(const MessageBoxSignals&) = delete;

 private:
  static constexpr std::array<int, 2> kSignals = {SIGTERM, SIGINT};
  std::array<struct sigaction, kSignals.size()> saved_{};
};

// Ends the process with the status, or throws it when exits are trapped.
[[noreturn]] void Terminate(Int status, const std::string& text) {
  if (State().trapExits) throw platform::test::ProcessExit{status, text};
  std::exit(status);
}

}  // namespace

namespace platform {

void Init(const Options& options) {
  SystemState& state = State();
  if (state.initialised) return;
  // Headless wins over any SDL_VIDEODRIVER in the environment.
  if (options.headless) {
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "dummy", SDL_HINT_OVERRIDE);
  } else {
    SDL_ResetHint(SDL_HINT_VIDEODRIVER);
  }
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  if (!StartSdl()) RuntimeError(String("Could not start SDL: ") + SDL_GetError());
  state.initialised = true;
  state.owner = getpid();
  state.headless = options.headless;
  state.virtualClock = options.headless;
  state.virtualMs = 0;
  detail::ResetInput();
  if (!state.exitHookRegistered) {
    std::atexit(ShutdownAtExit);
    state.exitHookRegistered = true;
  }
  if (options.changeDir) ChangeToExecutableFolder();
  SDL_StartTextInput();
}

void Shutdown() {
  SystemState& state = State();
  if (!state.initialised) return;
  detail::ShutdownAudio();
  detail::ShutdownDisplay();
  detail::ShutdownFonts();
  SDL_Quit();
  state.initialised = false;
}

bool IsHeadless() { return State().headless; }
bool IsInitialised() { return State().initialised; }

namespace detail {

QuietStderr::QuietStderr() : saved_(dup(STDERR_FILENO)) {
  const int null = open("/dev/null", O_WRONLY);
  if (null < 0) return;
  dup2(null, STDERR_FILENO);
  close(null);
}

QuietStderr::~QuietStderr() {
  if (saved_ < 0) return;
  dup2(saved_, STDERR_FILENO);
  close(saved_);
}

Double NowMs() {
  const SystemState& state = State();
  if (state.virtualClock) return state.virtualMs;
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<Double>(now.tv_sec) * 1000.0 + static_cast<Double>(now.tv_nsec) / 1e6;
}

void SleepMs(Double ms) {
  if (!(ms > 0)) return;
  if (State().virtualClock) {
    State().virtualMs += ms;
    return;
  }
  std::this_thread::sleep_for(std::chrono::duration<Double, std::milli>(ms));
}

std::vector<Byte> ReadWholeFile(const std::string& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > INT_MAX) return {};
  std::vector<Byte> bytes(size);
  std::ifstream in(path, std::ios::binary);
  const auto length = static_cast<std::streamsize>(size);
  if (!in.read(reinterpret_cast<char*>(bytes.data()), length)) return {};
  return bytes;
}

}  // namespace detail

namespace test {

Double VirtualNow() { return State().virtualMs; }

void AdvanceClock(Double ms) {
  if (ms > 0) State().virtualMs += ms;
}

void UseVirtualClock(bool useVirtual) { State().virtualClock = useVirtual; }

const std::vector<NotifyRecord>& NotifyLog() { return State().notifyLog; }

void TrapExits(bool trap) { State().trapExits = trap; }

void SetStdoutSink(std::function<void(const std::string&)> sink) {
  State().stdoutSink = std::move(sink);
}

void SetStderrSink(std::function<void(const std::string&)> sink) {
  State().stderrSink = std::move(sink);
}

}  // namespace test
}  // namespace platform

void Notify(const String& text, Int serious) {
  const std::string title = AppTitle.ToUtf8();
  const std::string message = text.ToUtf8();
  State().notifyLog.push_back({title, message});
  if (platform::IsHeadless()) return;
  const Uint32 kind = serious ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
  SDL_Window* parent = platform::IsInitialised() ? platform::detail::Window() : nullptr;
  const MessageBoxSignals signals;
  SDL_ShowSimpleMessageBox(kind, title.c_str(), message.c_str(), parent);
}

void RuntimeError(const String& text) {
  const std::string bytes = text.ToBytes();
  Write(State().stderrSink, stderr, bytes);
  platform::Shutdown();
  Terminate(255, bytes);
}

void End() {
  std::fflush(stdout);
  platform::Shutdown();
  Terminate(0, "");
}

void Print(const String& text) { Write(State().stdoutSink, stdout, text.ToUtf8() + "\n"); }
