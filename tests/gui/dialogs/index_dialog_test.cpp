// "索引" through the editor's button with the real application services, and on its own over
// books of every size; the address check runs on the data excerpts in both encodings.
#include <wx/button.h>
#include <wx/uiaction.h>

#include "gui/support/editor_fixture.h"
#include "gui/app/application_services.h"
#include "gui/dialogs/index_dialog.h"
#include "gui/support/postal_gui_support.h"
#include "res/index_resources.h"

namespace mirelon {
namespace {

using namespace literals;
using namespace res;
using test::EnabledIn;
using test::Click;
using test::ControlOf;
using test::Type;
using test::ExpectDialog;
using test::IsChecked;
using test::LinesOf;
using test::SetCheck;
using test::TextOf;


// A user's click on `line` of the shown window (true when the line was on the screen).
bool ClickLine(wxDialog& index, int line) {
  if (!index.IsShown()) {
    index.Move(0, 0);
    index.Show();
  }
  auto& list = ControlOf<wxListBox>(&index, kIdIndexList);
  list.EnsureVisible(line);
  test::Settle();
  int y = 0;
  while (y < list.GetClientSize().y && list.HitTest(wxPoint(40, y)) != line) ++y;
  if (y >= list.GetClientSize().y) return false;
  wxUIActionSimulator mouse;
  mouse.MouseMove(list.ClientToScreen(wxPoint(40, y + 4)));
  test::Settle();
  mouse.MouseClick();
  for (int i = 0; i < 5 && index.IsShown(); ++i) test::Settle();
  return true;
}

class IndexDialogTest : public test::EditorTest, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    const bool unicode = GetParam();
    dataFile_ = test::ExcerptFile(unicode);
    services_.probe = [this, unicode](SiblingProgramData& sibling) {
      sibling.postalDataPath = dataFile_;
      sibling.postalDataUnicode = unicode;
    };
    services_.index = [this](const SiblingProgramData& sibling) { return app_.RunIndexDialog(window_, sibling); };
  }

  // Records whose codes fit their addresses, but for pages 2, 4 and 6.
  void AddCheckedBook() {
    const char* rows[][3] = {{"あ", "1050011", "東京都港区芝公園"}, {"い", "1050011", "東京都港区白金台"},
                             {"う", "1080071", "東京都港区白金台"}, {"え", "1080071", "東京都港区芝公園"},
                             {"お", "1050012", "東京都港区芝大門"}, {"か", "1050012", "東京都港区高輪"},
                             {"き", "1080074", "東京都港区高輪"}};
    for (const auto& row : rows) {
      AddressRecord record;
      record.registrationName = Sjis(row[0]);
      record.postalCode = Sjis(row[1]);
      record.address1 = Sjis(row[2]);
      book_.AddRecord(record);
    }
  }

  // Presses "索　引" and answers the window with `action`.
  void RunIndex(const std::function<int(IndexDialog&)>& action) {
    wxTEST_DIALOG(Click(window_, kIdIndex), ExpectDialog<IndexDialog>(action));
  }

  std::string dataFile_;
  ApplicationServices app_{state_};
};

TEST_P(IndexDialogTest, TheCheckRestrictsTheListAndItsLinesOpenTheMarkedRecords) {
  AddCheckedBook();
  Open();
  RunIndex([](IndexDialog& index) {
    EXPECT_EQ(LinesOf(&index, kIdIndexList).size(), 7u);
    EXPECT_TRUE(EnabledIn(&index, kIdCheckAddresses));
    EXPECT_FALSE(EnabledIn(&index, kIdMismatchOnly));
    EXPECT_FALSE(IsChecked(&index, kIdMismatchOnly));
    Click(&index, kIdCheckAddresses);
    EXPECT_TRUE(EnabledIn(&index, kIdMismatchOnly));
    EXPECT_TRUE(IsChecked(&index, kIdMismatchOnly));
    const std::vector<std::string> lines = LinesOf(&index, kIdIndexList);
    EXPECT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines.at(2).substr(0, 8), "  6  か");
    EXPECT_TRUE(ClickLine(index, 2));  // the third marked record, not record 3
    return wxID_OK;
  });
  EXPECT_EQ(editor_->CurrentPage(), 6);
  EXPECT_EQ(TextOf(window_, kIdRegistrationName), "か");
  EXPECT_TRUE(book_.mismatchOnly);

  // The box is kept; unchecked on closing, the next opening lists every record again.
  RunIndex([](IndexDialog& index) {
    EXPECT_TRUE(IsChecked(&index, kIdMismatchOnly));
    EXPECT_EQ(ControlOf<wxListBox>(&index, kIdIndexList).GetSelection(), 2);
    SetCheck(&index, kIdMismatchOnly, false);
    EXPECT_EQ(LinesOf(&index, kIdIndexList).size(), 7u);
    Click(&index, kIdIndexClose);
    return wxID_CANCEL;
  });
  EXPECT_EQ(editor_->CurrentPage(), 6);
  RunIndex([](IndexDialog& index) {
    EXPECT_FALSE(IsChecked(&index, kIdMismatchOnly));
    EXPECT_EQ(LinesOf(&index, kIdIndexList).size(), 7u);
    return wxID_CANCEL;
  });

  // A new record makes the check invalid: the box is cleared and disabled.
  Click(window_, kIdNewPage);
  Type(window_, kIdRegistrationName, "く");
  RunIndex([](IndexDialog& index) {
    EXPECT_FALSE(IsChecked(&index, kIdMismatchOnly));
    EXPECT_FALSE(EnabledIn(&index, kIdMismatchOnly));
    EXPECT_TRUE(ClickLine(index, 0));
    return wxID_OK;
  });
  EXPECT_EQ(TextOf(window_, kIdRegistrationName), "あ");
}

TEST_P(IndexDialogTest, WhenEveryCodeFitsTheNoDataLineChoosesNothing) {
  AddRecord("あ");
  book_.record(0).postalCode = "1050011";
  book_.record(0).address1 = "東京都港区芝公園"_sjis;
  IndexDialog index(nullptr, book_, dataFile_, GetParam(), true);
  Click(&index, kIdCheckAddresses);
  EXPECT_EQ(LinesOf(&index, kIdIndexList), std::vector<std::string>{"　　　　該当するデータはありません"});
  book_.currentPage = 5;
  EXPECT_TRUE(ClickLine(index, 0));
  EXPECT_TRUE(index.IsShown());
  EXPECT_EQ(book_.currentPage, 5);
  EXPECT_FALSE(book_.mismatchOnly);  // not stored: the window stays open
}

TEST_P(IndexDialogTest, ACheckThatCouldNotReadTheDataLeavesTheBoxOff) {
  AddCheckedBook();
  const std::string missing = dataFile_ + ".gone";
  IndexDialog index(nullptr, book_, missing, GetParam(), true);
  wxTEST_DIALOG(Click(&index, kIdCheckAddresses),
                test::ExpectMessage(missing + "\nファイルのオープンに失敗しました", wxID_OK));
  EXPECT_FALSE(EnabledIn(&index, kIdMismatchOnly));
  EXPECT_FALSE(IsChecked(&index, kIdMismatchOnly));
  EXPECT_EQ(LinesOf(&index, kIdIndexList).size(), 7u);
}

TEST_P(IndexDialogTest, AFixedCodeIsNoLongerListedFromTheOldCheck) {
  AddCheckedBook();
  Open();
  RunIndex([](IndexDialog& index) {
    Click(&index, kIdCheckAddresses);
    EXPECT_EQ(LinesOf(&index, kIdIndexList).size(), 3u);  // pages 2, 4 and 6
    Click(&index, kIdIndexClose);
    return wxID_CANCEL;
  });
  TypePage("2");
  Type(window_, kIdPostalCode, "1080071");  // 白金台's own code
  RunIndex([](IndexDialog& index) {
    EXPECT_EQ(LinesOf(&index, kIdIndexList).size(), 2u);  // pages 4 and 6
    return wxID_CANCEL;
  });
}

INSTANTIATE_TEST_SUITE_P(BothEncodings, IndexDialogTest, ::testing::Bool(), test::EncodingName);

using IndexWindowTest = test::EditorTest;

TEST_F(IndexWindowTest, ListsEveryRecordAndAnEmptyBooksLineGivesPageOne) {
  {
    IndexDialog index(nullptr, book_, "", true, true);
    EXPECT_EQ(LinesOf(&index, kIdIndexList), std::vector<std::string>{"　　　　該当するデータはありません"});
    EXPECT_FALSE(EnabledIn(&index, kIdCheckAddresses));  // no data file
    book_.currentPage = 3;
    EXPECT_TRUE(ClickLine(index, 0));
    EXPECT_EQ(book_.currentPage, 1);
  }
  AddRecord("ｱｲｳｴｵｶｷｸｹさしすせそた", "名前");  // 21 cells
  for (int i = 2; i <= 1000; ++i) AddRecord("た" + std::to_string(i));
  book_.currentPage = 1000;
  IndexDialog index(nullptr, book_, "", true, true);
  const std::vector<std::string> lines = LinesOf(&index, kIdIndexList);
  ASSERT_EQ(lines.size(), 1000u);
  EXPECT_EQ(ControlOf<wxListBox>(&index, kIdIndexList).GetSelection(), 999);
  // The cut keeps whole characters and pads to the name column.
  EXPECT_EQ(lines.front(), "  1  ｱｲｳｴｵｶｷｸｹさしすせそ   名前");
  EXPECT_EQ(lines.back().substr(0, 5), "1000 ");
}

// Only a user's click or arrow key chooses: the focus, with which GTK selects the first line of a
// list without a selection, chooses nothing. A click on the line already selected chooses it.
TEST_F(IndexWindowTest, OnlyTheUsersClickOrKeyChoosesARecord) {
  for (const char* name : {"あ", "い", "う", "え"}) AddRecord(name);
  struct Case {
    int currentPage;  // 5: the new page, so no line is selected at opening
    std::function<void(IndexDialog&)> act;
    int chosenPage;  // 0: none, the window stays open
  };
  const Case cases[] = {
      {5, [](IndexDialog& index) { ControlOf<wxListBox>(&index, kIdIndexList).SetFocus(); }, 0},
      {5, [](IndexDialog& index) { EXPECT_TRUE(ClickLine(index, 2)); }, 3},
      {3, [](IndexDialog& index) { EXPECT_TRUE(ClickLine(index, 2)); }, 3},
      {2, [](IndexDialog& index) { test::PressRealKey(&index, kIdIndexList, WXK_DOWN); }, 3},
      {2, [](IndexDialog& index) { test::PressRealKey(&index, kIdIndexList, WXK_UP); }, 1},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    book_.currentPage = cases[i].currentPage;
    IndexDialog index(nullptr, book_, "", true, true);
    index.Move(0, 0);
    index.Show();
    test::Settle();
    cases[i].act(index);
    for (int wait = 0; wait < 5 && index.IsShown(); ++wait) test::Settle();
    EXPECT_EQ(index.IsShown(), cases[i].chosenPage == 0);
    EXPECT_EQ(book_.currentPage, cases[i].chosenPage == 0 ? cases[i].currentPage : cases[i].chosenPage);
  }
}

}  // namespace
}  // namespace mirelon
