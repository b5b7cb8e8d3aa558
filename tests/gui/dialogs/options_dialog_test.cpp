// The options window: the yearly update and its enabling, the import file, the switches stored
// at once, the texts and colour taken only on OK, the colour chooser; and the editor's refresh
// after the window.
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/settings.h>

#include "appcore/program_settings.h"
#include "book/address_book.h"
#include "gui/support/book_test_files.h"
#include "gui/support/editor_fixture.h"
#include "gui/dialogs/colour_chooser_dialog.h"
#include "gui/dialogs/options_dialog.h"
#include "gui/kit/dialog_background.h"
#include "gui/kit/message_box.h"
#include "gui/support/gui_test_support.h"
#include "res/options_resources.h"

namespace mirelon {
namespace {

using namespace literals;
using test::ExpectDialog;
using test::ExpectMessage;

void Toggle(wxWindow* dialog, int id) {
  auto& box = test::ControlOf<wxCheckBox>(dialog, id);
  box.SetValue(!box.GetValue());
  wxCommandEvent event(wxEVT_CHECKBOX, id);
  event.SetInt(box.GetValue() ? 1 : 0);
  event.SetEventObject(&box);
  box.ProcessWindowEvent(event);
  test::Pump();
}

std::string YearQuestion(int year) {
  return std::to_string(year) + "年に履歴を更新します\n履歴は巻き戻しできません";
}

class OptionsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    book_.SetPrompt(&prompt_);
    book_.file.directory = folder_.path();
    book_.file.baseName = "book";
    book_.file.extension = ".csv";
    book_.file.sendExists = true;
  }
  void TearDown() override {
    if (dialog_ != nullptr) dialog_->Destroy();
  }

  void Add(std::string_view registrationName, std::string_view sendState, std::string_view sendHistory) {
    AddressRecord record;
    record.registrationName = Sjis(registrationName);
    record.initialSendState = Sjis(sendState);
    record.sendHistory = Sjis(sendHistory);
    record.receiveHistory = Sjis(sendHistory);
    book_.AddRecord(record);
  }
  OptionsDialog& Open() {
    dialog_ = new OptionsDialog(nullptr, book_, programSettings_);
    dialog_->Show();
    test::Pump();
    return *dialog_;
  }
  bool Enabled(int id) { return test::ControlOf<wxWindow>(dialog_, id).IsEnabled(); }
  std::string Setting(const char* name) { return settings_.GetString(misc::kSection, name, "(none)"); }

  test::TempFolder folder_;
  MemorySettingsStore settings_;
  ProgramSettings programSettings_{settings_};
  MessageBoxPrompt prompt_;
  AddressBook book_;
  OptionsDialog* dialog_ = nullptr;
};

TEST_F(OptionsDialogTest, TheYearUpdateAppendsAMarkToEveryHistoryUntilTheYearRunsAhead) {
  const int thisYear = CurrentLocalYear();
  book_.year = thisYear - 1;
  Add("アイ", "送信しない", "○");
  Add("イチ", "送信する", "");
  Add("ウエ", "", "後");
  OptionsDialog& dialog = Open();
  EXPECT_EQ(test::LabelOf(&dialog, res::kIdAdvanceYear), std::to_string(thisYear) + "年に履歴更新");
  EXPECT_TRUE(Enabled(res::kIdAdvanceYear));

  test::Type(&dialog, res::kIdNonSendMark, "x");
  wxTEST_DIALOG(test::Click(&dialog, res::kIdAdvanceYear), ExpectMessage(YearQuestion(thisYear), wxID_OK));
  EXPECT_EQ(test::TextOf(&dialog, res::kIdNonSendMark), " x");
  EXPECT_EQ(book_.nonSendMark, " x");
  EXPECT_EQ(book_.record(0).sendHistory, "○ x"_sjis);
  EXPECT_EQ(book_.record(0).receiveHistory, "○□"_sjis);
  EXPECT_EQ(book_.record(1).sendHistory, "□"_sjis);
  EXPECT_EQ(book_.record(2).sendHistory, "後□"_sjis);
  EXPECT_EQ(book_.year, thisYear);
  EXPECT_TRUE(book_.modified);
  EXPECT_EQ(test::LabelOf(&dialog, res::kIdAdvanceYear), std::to_string(thisYear + 1) + "年に履歴更新");
  EXPECT_TRUE(Enabled(res::kIdAdvanceYear));

  wxTEST_DIALOG(test::Click(&dialog, res::kIdAdvanceYear), ExpectMessage(YearQuestion(thisYear + 1), wxID_OK));
  EXPECT_EQ(book_.year, thisYear + 1);
  EXPECT_EQ(book_.record(0).sendHistory, "○ x x"_sjis);
  EXPECT_FALSE(Enabled(res::kIdAdvanceYear));

  // Cancel keeps the update.
  test::Click(&dialog, res::kIdOptionsCancel);
  EXPECT_EQ(book_.year, thisYear + 1);
}

TEST_F(OptionsDialogTest, ABlankMarkOnlyBecomesCrossAndCancellingTheQuestionUpdatesNothing) {
  book_.year = CurrentLocalYear();
  Add("アイ", "送信しない", "○");
  OptionsDialog& dialog = Open();
  for (const char* blank : {"□", "", "　", " "}) {
    test::Type(&dialog, res::kIdNonSendMark, blank);
    test::Click(&dialog, res::kIdAdvanceYear);  // no question
    EXPECT_EQ(test::TextOf(&dialog, res::kIdNonSendMark), "×");
  }
  test::Type(&dialog, res::kIdNonSendMark, "喪");
  wxTEST_DIALOG(test::Click(&dialog, res::kIdAdvanceYear),
                ExpectMessage(YearQuestion(CurrentLocalYear() + 1), wxID_CANCEL));
  EXPECT_EQ(book_.year, CurrentLocalYear());
  EXPECT_EQ(book_.record(0).sendHistory, "○"_sjis);
  EXPECT_EQ(book_.nonSendMark, "×"_sjis);
  EXPECT_FALSE(book_.modified);
}

TEST_F(OptionsDialogTest, ABookWithoutFileOrWithHistoriesAheadOfTheCalendarCannotBeUpdated) {
  book_.file.sendExists = false;
  Open();
  EXPECT_FALSE(Enabled(res::kIdAdvanceYear));
  EXPECT_FALSE(Enabled(res::kIdWriteImportFile));
  dialog_->Destroy();

  book_.file.historyExists = true;
  book_.year = CurrentLocalYear() + 1;
  Open();
  EXPECT_EQ(test::LabelOf(dialog_, res::kIdAdvanceYear), std::to_string(CurrentLocalYear() + 2) + "年に履歴更新");
  EXPECT_FALSE(Enabled(res::kIdAdvanceYear));
  EXPECT_TRUE(Enabled(res::kIdWriteImportFile));
}

TEST_F(OptionsDialogTest, TheImportFileIsWrittenAfterTheQuestionAndLeavesTheBookAsItWas) {
  Add("アイ", "送信しない", "○×");
  book_.modified = false;
  OptionsDialog& dialog = Open();
  const std::filesystem::path import = folder_ / "book_imp.csv";
  const std::string question = "インポートファイルを作成します\n" + import.string();
  wxTEST_DIALOG(test::Click(&dialog, res::kIdWriteImportFile), ExpectMessage(question, wxID_CANCEL));
  EXPECT_FALSE(std::filesystem::exists(import));
  wxTEST_DIALOG(test::Click(&dialog, res::kIdWriteImportFile), ExpectMessage(question, wxID_OK));
  EXPECT_EQ(test::ReadBytes(import), test::Cp932Lines({"アイ,,,,,,,,,,,,,,,,,,,,,送信しない,○×,○×"}));
  EXPECT_FALSE(book_.modified);
  EXPECT_FALSE(std::filesystem::exists(folder_ / "book.csv"));
}

TEST_F(OptionsDialogTest, CancelKeepsTheSwitchesButDropsTheTextsAndTheColour) {
  Add("アイ", "送信する", "");
  OptionsDialog& dialog = Open();
  EXPECT_EQ(test::TextOf(&dialog, res::kIdColourText), "0 0 0");
  EXPECT_EQ(dialog.GetBackgroundColour(), wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
  EXPECT_FALSE(test::ControlOf<wxCheckBox>(&dialog, res::kIdConvHistChar).GetValue());
  EXPECT_TRUE(test::ControlOf<wxCheckBox>(&dialog, res::kIdToolTipCtrl).GetValue());
  EXPECT_NE(dialog.FindWindow(res::kIdNotes)->GetToolTip(), nullptr);

  Toggle(&dialog, res::kIdConvHistChar);
  Toggle(&dialog, res::kIdToolTipCtrl);
  EXPECT_EQ(settings_.GetInt(misc::kSection, misc::kConvHistChar, -1), 1);
  EXPECT_EQ(settings_.GetInt(misc::kSection, misc::kToolTipCtrl, -1), 0);
  EXPECT_TRUE(programSettings_.Switches().convHistChar);
  EXPECT_FALSE(programSettings_.Switches().toolTipCtrl);
  EXPECT_EQ(dialog.FindWindow(res::kIdNotes)->GetToolTip(), nullptr);  // at once

  test::Type(&dialog, res::kIdMemoTitle1Text, "家族");
  test::Type(&dialog, res::kIdNotes, "覚え");
  test::Type(&dialog, res::kIdNonSendMark, "喪");
  test::Type(&dialog, res::kIdColourText, "10 20 30");
  test::Click(&dialog, res::kIdOptionsCancel);
  EXPECT_EQ(book_.memoTitle1, "メモ１"_sjis);
  EXPECT_EQ(book_.notes, "");
  EXPECT_EQ(book_.nonSendMark, "×"_sjis);
  EXPECT_FALSE(book_.modified);
  EXPECT_EQ(Setting(misc::kBkColor), "(none)");
}

TEST_F(OptionsDialogTest, OkTakesTheTextsAndMarksTheBookChangedOnlyWhenItHasRecords) {
  for (const bool withRecord : {false, true}) {
    SCOPED_TRACE(withRecord);
    book_ = AddressBook();  // the texts as a fresh book has them
    book_.SetPrompt(&prompt_);
    if (withRecord) Add("アイ", "送信する", "");
    OptionsDialog& dialog = Open();
    test::Type(&dialog, res::kIdMemoTitle2Text, "仕事");
    test::Type(&dialog, res::kIdNotes, "一行目\n二行目");
    test::Type(&dialog, res::kIdNonSendMark, "x");
    test::Click(&dialog, res::kIdOptionsOk);
    EXPECT_EQ(book_.memoTitle2, "仕事"_sjis);
    EXPECT_EQ(book_.notes, "一行目\r\n二行目"_sjis);
    EXPECT_EQ(book_.nonSendMark, " x");
    EXPECT_EQ(book_.modified, withRecord);
    EXPECT_EQ(Setting(misc::kBkColor), "0 0 0");
    dialog_->Destroy();
    dialog_ = nullptr;
  }
}

TEST_F(OptionsDialogTest, ABlankMarkIsSilentlyReplacedOnOk) {
  Add("アイ", "送信しない", "○");
  book_.nonSendMark = "喪"_sjis;
  book_.modified = false;
  OptionsDialog& dialog = Open();
  test::Type(&dialog, res::kIdNonSendMark, "　");
  test::Click(&dialog, res::kIdOptionsOk);  // no message
  EXPECT_EQ(book_.nonSendMark, "×"_sjis);
  EXPECT_TRUE(book_.modified);
}

TEST_F(OptionsDialogTest, TheColourChooserOpensOnTheColourAndItsChoiceIsLightenedAndPainted) {
  Add("アイ", "送信する", "");
  book_.modified = false;
  settings_.SetString(misc::kSection, misc::kBkColor, "200 100 50");
  OptionsDialog& dialog = Open();
  EXPECT_EQ(test::TextOf(&dialog, res::kIdColourText), "224 163 132");
  EXPECT_EQ(dialog.GetBackgroundColour(), wxColour(224, 163, 132));

  wxTEST_DIALOG(test::Click(&dialog, res::kIdChooseColour),
                ExpectDialog<ColourChooserDialog>([](ColourChooserDialog& chooser) {
                  EXPECT_EQ(chooser.GetColourData().GetColour(), wxColour(224, 163, 132));
                  EXPECT_TRUE(chooser.GetColourData().GetChooseFull());
                  EXPECT_EQ(chooser.GetTitle(), U8("色の設定"));
                  chooser.Choose(wxColour(50, 50, 50));
                  return wxID_OK;
                }));
  EXPECT_EQ(test::TextOf(&dialog, res::kIdColourText), "178 178 178");
  EXPECT_EQ(dialog.GetBackgroundColour(), wxColour(178, 178, 178));
  wxWindow* label = nullptr;
  for (wxWindow* child : dialog.GetChildren()) {
    if (child->GetLabel() == U8("覚え書き")) label = child;
  }
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->GetBackgroundColour(), wxColour(178, 178, 178));
  EXPECT_NE(dialog.FindWindow(res::kIdNotes)->GetBackgroundColour(), wxColour(178, 178, 178));

  wxTEST_DIALOG(test::Click(&dialog, res::kIdChooseColour),
                ExpectDialog<ColourChooserDialog>([](ColourChooserDialog&) { return wxID_CANCEL; }));
  EXPECT_EQ(test::TextOf(&dialog, res::kIdColourText), "178 178 178");
  test::Click(&dialog, res::kIdOptionsOk);
  EXPECT_EQ(Setting(misc::kBkColor), "178 178 178");
  EXPECT_FALSE(book_.modified);  // a colour is no change of the book
}

// The editor's button 1003 with the window as the program wires it.
class EditorOptionsTest : public test::EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    services_.options = [this](wxWindow* parent) { OptionsDialog(parent, book_, state_.settings).ShowModal(); };
  }
};

TEST_F(EditorOptionsTest, TheEditorFollowsTheYearUpdateTheColourAndTheSwitches) {
  AddressRecord record;
  record.registrationName = "アイ"_sjis;
  record.sendHistory = "○○"_sjis;
  book_.AddRecord(record);
  book_.file.sendExists = true;
  Open();
  EXPECT_EQ(test::TextOf(window_, res::kIdFirstSendMark + 4), "○");
  wxTEST_DIALOG(test::Click(window_, res::kIdOptions), ExpectDialog<OptionsDialog>([](OptionsDialog& dialog) {
                  test::Type(&dialog, res::kIdColourText, "200 100 50");
                  test::Type(&dialog, res::kIdMemoTitle1Text, "家族");
                  Toggle(&dialog, res::kIdConvHistChar);
                  test::Click(&dialog, res::kIdAdvanceYear);
                  test::Click(&dialog, res::kIdOptionsOk);
                  return wxID_OK;
                }),
                ExpectMessage(YearQuestion(2015), wxID_OK));
  EXPECT_EQ(test::LabelOf(window_, res::kIdFirstYear + 4), "2015");
  EXPECT_EQ(test::TextOf(window_, res::kIdFirstSendMark + 3), "○");
  EXPECT_EQ(test::TextOf(window_, res::kIdFirstSendMark + 4), "");
  EXPECT_EQ(test::LabelOf(window_, res::kIdMemoTitle1), "家族");
  EXPECT_EQ(test::LabelOf(window_, res::kIdConversionIndicator), "*");
  EXPECT_FALSE(Enabled(res::kIdLaunchQuelta));
  ASSERT_TRUE(DialogColour().has_value());
  EXPECT_EQ(*DialogColour(), wxColour(224, 163, 132));
  EXPECT_EQ(window_->GetBackgroundColour(), wxColour(224, 163, 132));
  settings_.SetString(misc::kSection, misc::kBkColor, "0 0 0");
  ApplyDialogColour(settings_);
}

}  // namespace
}  // namespace mirelon
