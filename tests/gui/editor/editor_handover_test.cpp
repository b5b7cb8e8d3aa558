// The editor's side of the buttons whose work other modules do (list window, options, index,
// postal search), and the dialog colour applied to the program's dialogs.
#include <wx/settings.h>
#include <wx/spinbutt.h>

#include "gui/support/editor_fixture.h"
#include "gui/kit/dialog_background.h"
#include "text/cp932.h"

namespace mirelon::test {
namespace {

using namespace res;
using namespace literals;

TEST_F(EditorTest, TheListWindowTakesOverAfterACommitAndTheEditorComesBackOnItsPage) {
  AddRecord("あべ");
  AddRecord("いとう");
  bool listCreated = true;
  services_.openList = [&] { return listCreated; };
  Open();
  PressKey(window_, WXK_PAGEDOWN);
  Type(window_, kIdPhone, "06-0000-0000");
  listCreated = false;
  Click(window_, kIdOpenList);
  ASSERT_NE(editor_->Window(), nullptr);  // no list window: the editor stays
  listCreated = true;
  Click(window_, kIdOpenList);
  EXPECT_EQ(editor_->Window(), nullptr);
  EXPECT_EQ(book_.currentPage, 2);
  EXPECT_EQ(Cp932ToUtf8(book_.record(1).phone), "06-0000-0000");

  editor_->CreateEditorWindow();
  window_ = editor_->Window();
  Pump();
  EXPECT_EQ(TextOf(window_, kIdPageNumber), "2");
  EXPECT_EQ(TextOf(window_, kIdRegistrationName), "いとう");
  EXPECT_FALSE(Enabled(kIdLaunchQuelta));  // the book still has its unsaved change
}

TEST_F(EditorTest, AYearlyUpdateInTheOptionsResplitsTheShownHistory) {
  const int page = AddRecord("あべ");
  book_.record(page - 1).sendHistory = "○○○○○"_sjis;
  services_.options = [this](wxWindow*) { AdvanceHistoryYear(book_, "×"_sjis); };
  Open();
  Click(window_, kIdOptions);
  EXPECT_EQ(LabelOf(window_, kIdFirstYear + 4), "2015");
  EXPECT_EQ(TextOf(window_, kIdFirstSendMark + 3), "○");
  EXPECT_EQ(TextOf(window_, kIdFirstSendMark + 4), "");  // the new year's blank mark
}

TEST_F(EditorTest, TheIndexMovesTheEditorToTheChosenRecord) {
  for (const char* name : {"あべ", "いとう", "うえだ"}) AddRecord(name);
  services_.index = [this](const SiblingProgramData&) {
    book_.currentPage = 3;
    return true;
  };
  Open();
  Click(window_, kIdIndex);
  EXPECT_EQ(editor_->CurrentPage(), 3);
  EXPECT_EQ(TextOf(window_, kIdRegistrationName), "うえだ");
  EXPECT_EQ(ControlOf<wxSpinButton>(window_, kIdPageSpin).GetValue(), 3);  // the spin steps on from there
}

TEST_F(EditorTest, ThePostalSearchNeedsDataAndSomethingToSearchFor) {
  bool dataKnown = false;
  services_.probe = [&](SiblingProgramData& sibling) {
    sibling.postalDataPath = dataKnown ? "/opt/quelta/QUELTAJUSHO.CSV" : "";
  };
  Open();
  Type(window_, kIdPostalCode, "1000001");
  EXPECT_FALSE(Enabled(kIdPostalSearch));
  dataKnown = true;
  Type(window_, kIdAddress2, "丸の内");
  EXPECT_TRUE(Enabled(kIdPostalSearch));
  Type(window_, kIdPostalCode, "");
  Type(window_, kIdAddress2, "");
  EXPECT_FALSE(Enabled(kIdPostalSearch));
}

TEST_F(EditorTest, TheButtonsOfOtherWindowsReachTheServices) {
  AddRecord("あべ");
  services_.probe = [](SiblingProgramData& sibling) { sibling.postalDataPath = "/opt/quelta/QUELTAJUSHO.CSV"; };
  Open();
  services_.calls.clear();
  Type(window_, kIdPostalCode, "1000001");  // marks the book changed: the sibling program waits
  for (int id : {kIdReadFile, kIdWriteFile, kIdOnlineHelp, kIdPostalSearch, kIdOptions, kIdIndex, kIdOpenList}) {
    Click(window_, id);
  }
  EXPECT_EQ(services_.calls, (std::vector<std::string>{"ReadFile", "WriteFile", "OpenHelp", "PostalSearch",
                                                       "RunOptionsDialog", "RunIndexDialog", "OpenListWindow"}));
  EXPECT_FALSE(Enabled(kIdLaunchQuelta));
}

TEST_F(EditorTest, TheDialogColourIsLightenedAndAppliedToOpenDialogs) {
  settings_.SetString("Misc", "bkColor", "50 50 50");
  InitDialogColour(settings_);
  Open();
  EXPECT_EQ(window_->GetBackgroundColour(), wxColour(178, 178, 178));
  MessageBoxDialog box(window_, "?", PromptButtons::Ok);
  EXPECT_EQ(box.GetBackgroundColour(), wxColour(178, 178, 178));

  // "0 0 0" after a colour of the program's own goes back to the system colour explicitly.
  settings_.SetString("Misc", "bkColor", "0 0 0");
  ApplyDialogColour(settings_);
  EXPECT_EQ(window_->GetBackgroundColour(), wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
  settings_.SetString("Misc", "bkColor", "0 0 0");
  InitDialogColour(settings_);
  EXPECT_FALSE(DialogColour().has_value());
}

}  // namespace
}  // namespace mirelon::test
