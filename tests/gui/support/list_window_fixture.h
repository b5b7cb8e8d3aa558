// A list window over an in-memory book and in-memory settings, for the GUI tests; the frame is
// closed without questions at the end of each test.
#pragma once

#include <string>

#include "appcore/program_settings.h"
#include "book/address_book.h"
#include "gui/kit/message_box.h"
#include "gui/kit/print_setup.h"
#include "gui/list/list_window.h"
#include "gui/list/main_frame.h"
#include "gui/list/mirelon_view.h"
#include "gui/support/gui_test_support.h"
#include "platform/settings_store.h"

class wxTextCtrl;

namespace mirelon::test {

class ListWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Adds `count` records with a name, postal code and address each, in registration-name order.
  void AddRecords(int count);
  void Open();
  // Closes the frame as the close box does; false when it stayed open.
  bool CloseFrame();
  // A menu or tool bar command, as a click sends it; then the events it caused run.
  void Command(int id, bool pump = true);
  bool MenuChecked(int id);

  CMirelonView& View() { return *frame_->View(); }
  wxTextCtrl& Edit() { return *View().Edit(); }
  std::string ListText();  // UTF-8, LF line breaks
  std::string ClipboardText();
  // The user types `utf8` at the end of the list.
  void TypeAtEnd(std::string_view utf8);

  MemorySettingsStore settings_;
  ProgramSettings programSettings_{settings_};
  MessageBoxPrompt prompt_;
  AddressBook book_;
  PrintSetup printing_;
  int closedCount_ = 0;
  ListWindowContext context_{book_, programSettings_, printing_, [this] { ++closedCount_; }, {}};
  CMainFrame* frame_ = nullptr;
};

}  // namespace mirelon::test
