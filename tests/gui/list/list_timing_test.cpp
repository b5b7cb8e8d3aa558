// Reports how long the list window takes with a full book (1000 records, three lines of ten
// items): opening to the first paint, the word-wrap toggle, and the preview's first page. It only
// reports; speed is judged from these figures and the benchmarks, not by a test that may fail.
#include <chrono>
#include <cstdio>

#include <wx/eventfilter.h>
#include <wx/evtloop.h>
#include <wx/textctrl.h>

#include "gui/kit/print_setup.h"
#include "gui/support/list_window_fixture.h"
#include "res/list_resources.h"


namespace mirelon::test {
namespace {

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// `target` 0: no target, a figure for the notes.
void Report(const char* what, double milliseconds, double target) {
  if (target > 0) {
    std::printf("[ TIMING   ] %-28s %7.1f ms (target %.0f ms)\n", what, milliseconds, target);
  } else {
    std::printf("[ TIMING   ] %-28s %7.1f ms\n", what, milliseconds);
  }
  ::testing::Test::RecordProperty(what, static_cast<int>(milliseconds));
}

// Notes when a list frame first paints: GTK draws a window with its children in one pass.
class FirstPaint final : public wxEventFilter {
 public:
  FirstPaint() { wxEvtHandler::AddFilter(this); }
  ~FirstPaint() override { wxEvtHandler::RemoveFilter(this); }
  int FilterEvent(wxEvent& event) override {
    if (event.GetEventType() == wxEVT_PAINT && !painted_) {
      auto* window = dynamic_cast<wxWindow*>(event.GetEventObject());
      painted_ = window != nullptr && dynamic_cast<CMainFrame*>(wxGetTopLevelParent(window)) != nullptr;
    }
    return Event_Skip;
  }
  // Runs the event loop until the frame has painted.
  void Wait() {
    for (int round = 0; round < 2000 && !painted_; ++round) wxEventLoopBase::GetActive()->DispatchTimeout(5);
    EXPECT_TRUE(painted_);
  }

 private:
  bool painted_ = false;
};

TEST_F(ListWindowTest, TimingsOfAFullBook) {
  AddRecords(1000);
  for (int line = 1; line <= 3; ++line) {
    settings_.SetInt("List", "dspLine" + std::to_string(line), 1);
    for (int slot = 1; slot <= 10; ++slot) {
      const int kind = ((line - 1) * 10 + slot) % 26 + 1;
      char name[16];
      std::snprintf(name, sizeof name, "dspItem%d%02d", line, slot);
      settings_.SetInt("List", name, kind * 1000 + 10);
    }
  }
  // The program has shown its editor before: GTK's theme and fonts are loaded.
  Open();
  CloseFrame();
  FirstPaint firstPaint;
  auto start = std::chrono::steady_clock::now();
  frame_ = OpenListWindow(context_);
  firstPaint.Wait();
  Report("open to first paint", MillisecondsSince(start), 150);
  Pump();
  Report("open, whole text laid out", MillisecondsSince(start), 0);

  // The old control's pixels stay until the new one draws, so the screen cannot tell when the
  // toggle has painted: the command itself, and the time until the whole text is laid out again.
  start = std::chrono::steady_clock::now();
  Command(res::kCmdWordWrap, false);
  Report("word-wrap toggle command", MillisecondsSince(start), 150);
  Pump();
  Report("word-wrap toggle, laid out", MillisecondsSince(start), 0);

  start = std::chrono::steady_clock::now();
  Command(res::kCmdPrintPreview);
  Report("preview first page", MillisecondsSince(start), 300);
  for (wxWindow* window : wxTopLevelWindows) {
    if (window != frame_ && window->IsShown()) window->Close(true);
  }
  Pump();
}

}  // namespace
}  // namespace mirelon::test
