// A process is its handle. Windows passes one command line, which the started program splits
// again by the C runtime's rules: every argument is quoted here so that it comes back whole.
#include "platform/process.h"

#include "platform/windows/process_handle.h"

#include <string>

namespace mirelon {
namespace {

class WindowsProcess final : public StartedProcess {
 public:
  explicit WindowsProcess(HANDLE process) : process_(process) {}
  ~WindowsProcess() override { CloseHandle(process_); }  // the program itself runs on

  bool Running() override {
    if (ended_) return false;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) return true;
    ended_ = true;
    DWORD code = 1;
    succeeded_ = GetExitCodeProcess(process_, &code) && code == 0;
    return false;
  }

  bool Succeeded() const override { return ended_ && succeeded_; }

  // Idle for input: the program has a message queue and has taken every message in it so far.
  // The system answers at once for a program without one (a console program): then the window
  // alone decides.
  bool WaitUntilIdle(std::chrono::milliseconds limit, const std::function<bool()>& windowShown,
                     const WaitPump& pump) override {
    const auto ready = [&] {
      if (Running()) return WaitForInputIdle(process_, 0) != WAIT_TIMEOUT && windowShown();
      return Succeeded() && windowShown();
    };
    PollWhile([&] { return !ready() && (Running() || Succeeded()); }, limit, pump);
    return ready();
  }

  DWORD id() const { return GetProcessId(process_); }

 private:
  HANDLE process_;
  bool ended_ = false;
  bool succeeded_ = false;
};

// One argument as the C runtime's parser reads it back: in quotes, a quote escaped by a
// backslash, and backslashes doubled only where a quote follows them.
void AppendQuoted(std::wstring& line, const std::wstring& argument) {
  line += L'"';
  size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    line.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    line += c;
  }
  line.append(backslashes * 2, L'\\');
  line += L'"';
}

// A bare name is looked up as the system looks up programs (the program's folder, the system
// folders, PATH), with ".exe" added where it has no extension.
std::wstring ProgramFile(const std::filesystem::path& program) {
  if (program.has_parent_path()) return program.native();
  wchar_t found[32768];
  const DWORD length = SearchPathW(nullptr, program.c_str(), L".exe", 32768, found, nullptr);
  return length == 0 || length >= 32768 ? std::wstring() : std::wstring(found, length);
}

}  // namespace

DWORD ProcessIdOf(const StartedProcess& process) {
  const auto* windows = dynamic_cast<const WindowsProcess*>(&process);
  return windows ? windows->id() : 0;
}

std::unique_ptr<StartedProcess> AdoptProcess(HANDLE process) { return std::make_unique<WindowsProcess>(process); }

std::unique_ptr<StartedProcess> StartedProcess::Start(const std::vector<std::filesystem::path>& arguments,
                                                      const std::filesystem::path& workingFolder) {
  if (arguments.empty()) return nullptr;
  const std::wstring program = ProgramFile(arguments.front());
  if (program.empty()) return nullptr;
  std::wstring line;
  for (const std::filesystem::path& argument : arguments) {
    if (!line.empty()) line += L' ';
    AppendQuoted(line, argument.native());
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  // The application name is given, so the command line is never searched for a program; the
  // system reports a folder it cannot enter and a file that is no program here.
  if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT, nullptr,
                      workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &started)) {
    return nullptr;
  }
  CloseHandle(started.hThread);
  return AdoptProcess(started.hProcess);
}

}  // namespace mirelon
