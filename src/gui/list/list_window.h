// Opening the list window: what it needs from the program, and the hand-over of the main-window
// role. The frame, its document and its view live from OpenListWindow until the frame closes.
#pragma once

#include <functional>

class wxWindow;

namespace mirelon {

class AddressBook;
class CMainFrame;
class PrintSetup;
class ProgramSettings;

struct ListWindowContext {
  AddressBook& book;
  ProgramSettings& settings;
  PrintSetup& printSetup;  // the program's one print set-up, kept for the run
  // Runs once the frame has closed for good (not for a close cancelled at the save question),
  // while the frame still exists: the program gives the main-window role back to the editor.
  std::function<void()> onClosed;
  // "宛名面の印刷...": the card printing dialog over the frame (the program supplies it).
  std::function<void(wxWindow* parent)> printCards;
};

// Creates the frame with a freshly built list and shows it: maximised when wndWidth or wndHeight
// is negative, at the stored size when both are positive. nullptr when it could not be created.
CMainFrame* OpenListWindow(const ListWindowContext& context);

}  // namespace mirelon
