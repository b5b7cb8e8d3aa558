#include "gui/support/list_window_fixture.h"

#include <cstdio>

#include <wx/clipbrd.h>
#include <wx/docview.h>
#include <wx/menu.h>
#include <wx/textctrl.h>

#include "res/list_resources.h"
#include "text/cp932.h"

namespace mirelon::test {

void ListWindowTest::SetUp() {
  book_.SetPrompt(&prompt_);
}

void ListWindowTest::TearDown() {
  if (frame_ != nullptr) {
    View().GetDocument()->Modify(false);
    CloseFrame();
  }
  Pump();
}

void ListWindowTest::AddRecords(int count) {
  for (int i = 1; i <= count; ++i) {
    char key[16];
    std::snprintf(key, sizeof key, "r%04d", i);
    AddressRecord record;
    record.registrationName = key;
    record.name = Sjis("山田 太郎") + key;
    record.postalCode = "100-0001";
    record.address1 = Sjis("東京都千代田区千代田１丁目１番１号");
    record.address2 = Sjis("千代田レジデンス") + key;
    book_.InsertRecordAt(book_.recordCount(), record);
  }
}

void ListWindowTest::Open() {
  frame_ = OpenListWindow(context_);
  ASSERT_NE(frame_, nullptr);
  frame_->Move(0, 0);
  Pump();
}

bool ListWindowTest::CloseFrame() {
  const int before = closedCount_;
  frame_->Close();
  Pump();
  if (closedCount_ == before) return false;
  frame_ = nullptr;
  return true;
}

void ListWindowTest::Command(int id, bool pump) {
  wxCommandEvent event(wxEVT_MENU, res::CommandWindowId(id));
  event.SetEventObject(frame_);
  frame_->HandleWindowEvent(event);
  if (pump) Pump();
}

bool ListWindowTest::MenuChecked(int id) {
  frame_->GetMenuBar()->UpdateMenus();
  return frame_->GetMenuBar()->IsChecked(res::CommandWindowId(id));
}

std::string ListWindowTest::ListText() { return std::string(Edit().GetValue().utf8_str()); }

std::string ListWindowTest::ClipboardText() {
  wxClipboardLocker locker;
  wxTextDataObject data;
  if (!locker || !wxTheClipboard->GetData(data)) return "(none)";
  return std::string(data.GetText().utf8_str());
}

void ListWindowTest::TypeAtEnd(std::string_view utf8) {
  Edit().SetValue(Edit().GetValue() + U8(utf8));  // the change event a user's typing sends
  Pump();
}

}  // namespace mirelon::test
