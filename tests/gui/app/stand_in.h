// The stand-in sibling program (quelta_stand_in.cpp) as the tests use it: a copy in a folder of
// its own, its task, its notes, and its end.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <thread>

#include <gtest/gtest.h>

#include "appcore/sibling_program.h"
#include "platform/desktop.h"
#include "platform/process.h"
#include "platform/utf8_path.h"
#include "support/temp_folder.h"

namespace mirelon::test {

// Waits up to ten seconds for `done`.
inline bool Eventually(const std::function<bool()>& done) {
  for (int i = 0; i < 500; ++i) {
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return done();
}

// A copy of the stand-in as the user's sibling program, with its task and its notes.
class StandIn {
 public:
  explicit StandIn(std::string_view folderName = "Quelta Folder") : folder_(root_ / folderName) {
    std::filesystem::create_directories(folder_);
    std::filesystem::copy_file(QUELTA_STAND_IN, executable());
  }
  std::filesystem::path folder() const { return folder_; }
  // Named as the sibling's executable is on the system.
  std::filesystem::path executable() const {
    return folder_ / ("quelta" + std::filesystem::path(QUELTA_STAND_IN).extension().string());
  }
  void Task(const std::string& lines) { WriteBytes(folder_ / "quelta-task.txt", lines); }
  // Each start's lines: argument count, arguments, working folder.
  std::string Started() const { return ReadBytes(folder_ / "started.txt"); }
  bool Ready() const { return std::filesystem::exists(folder_ / "ready"); }
  // Tells the stand-in to exit and waits until it has taken the word.
  void Quit() {
    WriteBytes(folder_ / "quit", "");
    EXPECT_TRUE(Eventually([&] { return !std::filesystem::exists(folder_ / "quit"); }));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));  // its window is being destroyed
  }
  // The copy made into a file that does not start: neither a program of the system's nor marked
  // as one.
  void BreakExecutable() {
    WriteBytes(executable(), "no program\n");
    std::filesystem::permissions(executable(), std::filesystem::perms::owner_exec | std::filesystem::perms::group_exec |
                                                   std::filesystem::perms::others_exec,
                                 std::filesystem::perm_options::remove);
  }
  // The stand-in started by the test itself, not by the flow.
  std::unique_ptr<StartedProcess> StartHere() {
    auto process = StartedProcess::Start({executable()}, folder_);
    EXPECT_TRUE(process && Eventually([&] { return Ready(); }));
    return process;
  }

 private:
  TempFolder root_;
  std::filesystem::path folder_;
};

// One search for the sibling's window: the stand-in started with `task`, looked for with or
// without the process started for it.
struct WindowCase {
  const char* task;
  bool byProcess;
  WindowSearch expected;
};

template <size_t N>
void ExpectWindowSearches(const WindowCase (&cases)[N]) {
  for (const WindowCase& c : cases) {
    SCOPED_TRACE(c.task);
    SCOPED_TRACE(c.byProcess ? "by its process" : "by its window alone");
    StandIn standIn;
    standIn.Task(c.task);
    auto process = standIn.StartHere();
    SiblingProgramData sibling;
    sibling.queltaPath = PathToUtf8(standIn.executable());
    EXPECT_EQ(FindVisibleWindow("Quelta", {"quelta", c.byProcess ? process.get() : nullptr}), c.expected);
    EXPECT_EQ(IsQueltaRunning(sibling, c.byProcess ? process.get() : nullptr), c.expected == WindowSearch::Found);
    standIn.Quit();
    EXPECT_TRUE(Eventually([&] { return !process->Running(); }));
  }
  EXPECT_EQ(FindVisibleWindow("Quelta", {"quelta", nullptr}), WindowSearch::NotFound);
}

}  // namespace mirelon::test
