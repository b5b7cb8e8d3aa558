// The display-format dialog: the column list's enabling, the range check that keeps the dialog
// open, OK copying every control and Cancel copying nothing, the memo titles in the item lists.
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/textctrl.h>

#include "book/address_book.h"
#include "gui/kit/up_down_control.h"
#include "gui/list/display_format_dialog.h"
#include "gui/support/gui_test_support.h"
#include "list/display_format.h"
#include "res/display_format_resources.h"
#include "text/cp932.h"

namespace mirelon::test {
namespace {

using namespace res;

void Toggle(wxWindow* dialog, int id) {
  auto& box = ControlOf<wxCheckBox>(dialog, id);
  box.SetValue(!box.GetValue());
  wxCommandEvent event(wxEVT_CHECKBOX, id);
  event.SetInt(box.GetValue() ? 1 : 0);
  event.SetEventObject(&box);
  box.ProcessWindowEvent(event);
  Pump();
}

class DisplayFormatDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    format_ = BuiltInDisplayFormat();
    format_.columnLayout = 3;
  }
  void TearDown() override {
    if (dialog_ != nullptr) dialog_->Destroy();
    Pump();
  }
  DisplayFormatDialog& Open() {
    dialog_ = new DisplayFormatDialog(nullptr, format_, book_, true);
    dialog_->Show();
    Pump();
    return *dialog_;
  }
  bool ColumnsEnabled() { return ControlOf<wxChoice>(dialog_, kIdColumns).IsEnabled(); }

  AddressBook book_;
  DisplayFormat format_;
  DisplayFormatDialog* dialog_ = nullptr;
};

TEST_F(DisplayFormatDialogTest, TheColumnListIsOpenOnlyForLineOneAloneAndKeepsItsChoice) {
  DisplayFormatDialog& dialog = Open();
  EXPECT_TRUE(ColumnsEnabled());
  EXPECT_EQ(ControlOf<wxChoice>(&dialog, kIdColumns).GetSelection(), 2);
  Toggle(&dialog, kIdLineShown1 + 1);
  EXPECT_FALSE(ColumnsEnabled());
  Toggle(&dialog, kIdLineShown1 + 1);
  EXPECT_TRUE(ColumnsEnabled());
  EXPECT_EQ(ControlOf<wxChoice>(&dialog, kIdColumns).GetSelection(), 2);
  Toggle(&dialog, kIdLineShown1);
  EXPECT_FALSE(ColumnsEnabled());  // no line at all
}

TEST_F(DisplayFormatDialogTest, AWidthOutOfRangeKeepsTheDialogOpenAndTheFormatAsItWas) {
  const DisplayFormat before = format_;
  DisplayFormatDialog& dialog = Open();
  Type(&dialog, ItemWidthId(12), "151");
  Select(&dialog, kIdFilter, 4);
  wxTEST_DIALOG(Click(&dialog, kIdFormatOk), ExpectMessage("0 から 150 までの整数を入力してください。", wxID_OK));
  EXPECT_EQ(format_, before);
  EXPECT_EQ(wxWindow::FindFocus(), dialog.FindWindow(ItemWidthId(12)));

  Type(&dialog, ItemWidthId(12), "150");
  Type(&dialog, kIdLeftSpace, "9");
  wxTEST_DIALOG(Click(&dialog, kIdFormatOk), ExpectMessage("0 から 8 までの整数を入力してください。", wxID_OK));
  EXPECT_EQ(format_, before);
}

TEST_F(DisplayFormatDialogTest, OkCopiesEveryControlAndCancelNothing) {
  DisplayFormatDialog& cancelled = Open();
  Type(&cancelled, ItemWidthId(0), "33");
  Toggle(&cancelled, kIdLineShown1 + 2);
  Click(&cancelled, kIdFormatCancel);
  EXPECT_EQ(format_.itemWidth[0], 10);
  EXPECT_EQ(format_.lineShown[2], 0);
  dialog_->Destroy();

  DisplayFormatDialog& dialog = Open();
  Select(&dialog, ItemKindId(29), 25);
  Type(&dialog, ItemWidthId(29), "12");
  Toggle(&dialog, kIdLineShown1 + 2);
  Select(&dialog, kIdFilter, 6);
  Select(&dialog, kIdNumbering, 1);
  Select(&dialog, kIdColumns, 6);  // closed by line 3, stored all the same
  // The up-down control moves its edit from the number shown.
  auto& spin = ControlOf<UpDownControl>(&dialog, kIdLeftSpaceSpin);
  for (int click = 0; click < 10; ++click) spin.Step(1);  // stops at 8
  spin.Step(-1);
  spin.Step(-1);
  spin.Step(-1);
  EXPECT_EQ(TextOf(&dialog, kIdLeftSpace), "5");
  Click(&dialog, kIdFormatOk);

  EXPECT_EQ(format_.itemKind[29], 25);
  EXPECT_EQ(format_.itemWidth[29], 12);
  EXPECT_EQ(format_.lineShown[2], 1);
  EXPECT_EQ(format_.filter, 6);
  EXPECT_EQ(format_.numbering, 1);
  EXPECT_EQ(format_.columnLayout, 7);
  EXPECT_EQ(format_.leftSpace, 5);
  EXPECT_EQ(format_.itemWidth[0], 10);  // untouched slots keep their values
}

TEST_F(DisplayFormatDialogTest, TheItemListsShowTheBooksMemoTitles) {
  book_.memoTitle1 = Sjis("趣味");
  book_.memoTitle2 = Sjis("誕生日");
  DisplayFormatDialog& dialog = Open();
  for (int slot : {0, 17, 29}) {
    auto& list = ControlOf<wxChoice>(&dialog, ItemKindId(slot));
    EXPECT_EQ(list.GetCount(), 27u);
    EXPECT_EQ(std::string(list.GetString(22).utf8_str()), "趣味");
    EXPECT_EQ(std::string(list.GetString(23).utf8_str()), "誕生日");
  }
}

// GTK clips a drop-down's text when the control gets less height than its real minimum: every
// drop-down keeps its text, not squeezed, within its template row.
TEST_F(DisplayFormatDialogTest, DropDownsAreNoLowerThanTheirRealMinimum) {
  DisplayFormatDialog& dialog = Open();
  for (int id : {ItemKindId(0), ItemKindId(29), kIdFilter, kIdColumns, kIdNumbering}) {
    wxWindow* control = dialog.FindWindow(id);
    ASSERT_NE(control, nullptr) << id;
    const int least = control->GetBestSize().y;
    EXPECT_LE(least, control->GetSize().y) << id;
    EXPECT_GE(least, control->GetCharHeight() + 2) << id;
  }
}

}  // namespace
}  // namespace mirelon::test
