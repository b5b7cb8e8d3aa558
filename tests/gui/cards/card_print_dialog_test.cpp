// The card printing dialog: opened from the list window's File menu, its default records, settings
// stored on OK only (and a sender code it cannot use refused), the preview drawn on a memory DC,
// and a PDF file saved through the file chooser and read back.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <regex>

#include <wx/checkbox.h>
#include <wx/checklst.h>
#include <wx/choice.h>
#include <wx/dcmemory.h>
#include <wx/dcsvg.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/scrolwin.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>

#include "cards/card_records.h"
#include "gui/cards/card_check_dialog.h"
#include "gui/cards/card_preview_panel.h"
#include "gui/cards/card_print_dialog.h"
#include "gui/kit/file_chooser.h"
#include "gui/kit/screen_fit.h"
#include "gui/support/list_window_fixture.h"
#include "gui/support/print_to_file.h"
#include "res/card_print_resources.h"
#include "res/list_resources.h"
#include "support/temp_folder.h"
#include "text/cp932.h"

namespace mirelon::test {
namespace {

using namespace res;

std::vector<int> Checked(wxWindow* dialog) {
  auto& list = ControlOf<wxCheckListBox>(dialog, kCardRecordList);
  std::vector<int> checked;
  for (unsigned i = 0; i < list.GetCount(); ++i) {
    if (list.IsChecked(i)) checked.push_back(static_cast<int>(i));
  }
  return checked;
}

void SetSpin(wxWindow* dialog, int id, double value) {
  auto& spin = ControlOf<wxSpinCtrlDouble>(dialog, id);
  spin.SetValue(value);
  wxSpinDoubleEvent event(wxEVT_SPINCTRLDOUBLE, id, value);
  event.SetEventObject(&spin);
  spin.ProcessWindowEvent(event);
  Pump();
}

// The file's text without line breaks: vertical text comes out a character a line.
std::string PdfText(const std::filesystem::path& path) {
  std::string text = CommandOutput("pdftotext -raw '" + path.string() + "' -");
  std::erase(text, '\n');
  return text;
}

constexpr double kPointsPerMm = 72 / 25.4;

class CardPrintTest : public ListWindowTest {
 protected:
  void SetUp() override {
    ListWindowTest::SetUp();
    AddRecords(4);
    const char* names[] = {"山田 太郎", "鈴木 次郎", "高橋 三郎", "田中 四郎"};
    for (int i = 0; i < 4; ++i) {
      book_.record(i).name = Sjis(names[i]);
      book_.record(i).honorific = Sjis("様");
    }
    book_.record(1).sendHistory = Sjis("出×");  // not sent this year
    book_.record(3).address1.clear();           // nothing to print on
    book_.record(3).address2.clear();
  }
  // The dialog shown without a modal run, as the menu would make it.
  CardPrintDialog& Dialog() {
    dialog_ = new CardPrintDialog(nullptr, {book_, programSettings_, printing_});
    dialog_->Show();
    Pump();
    return *dialog_;
  }
  void TearDown() override {
    if (dialog_ != nullptr) dialog_->Destroy();
    Pump();
    ListWindowTest::TearDown();
  }
  CardPrintDialog* dialog_ = nullptr;
};

TEST_F(CardPrintTest, TheFileMenuOpensTheDialogWithThisYearsRecordsChecked) {
  int opened = 0;
  context_.printCards = [&](wxWindow* parent) { RunCardPrintDialog(parent, {book_, programSettings_, printing_}); };
  Open();
  const wxMenuItem* item = frame_->GetMenuBar()->FindItem(CommandWindowId(kCmdPrintCards));
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(std::string(item->GetItemLabelText().utf8_str()), "宛名面の印刷...");
  wxTEST_DIALOG(Command(kCmdPrintCards), ExpectDialog<CardPrintDialog>([&](CardPrintDialog& dialog) {
                  ++opened;
                  EXPECT_EQ(Checked(&dialog), (std::vector<int>{0, 2}));
                  EXPECT_EQ(dialog.ChosenRecords(), (std::vector<int>{0, 2}));
                  EXPECT_EQ(LabelOf(&dialog, kCardPosition), "1 / 2 枚目");
                  return wxID_CANCEL;
                }));
  EXPECT_EQ(opened, 1);
}

TEST_F(CardPrintTest, StartAtCardAndTheSelectionButtonsChooseTheRecords) {
  CardPrintDialog& dialog = Dialog();
  Click(&dialog, kCardSelectAll);
  ControlOf<wxSpinCtrl>(&dialog, kCardStartAt).SetValue(3);
  EXPECT_EQ(dialog.ChosenRecords(), (std::vector<int>{2, 3}));
  Click(&dialog, kCardSelectNone);
  EXPECT_TRUE(dialog.ChosenRecords().empty());
  EXPECT_EQ(LabelOf(&dialog, kCardPosition), "");
  Click(&dialog, kCardSelectDefault);
  EXPECT_EQ(dialog.ChosenRecords(), DefaultCardRecords(book_));
}

TEST_F(CardPrintTest, SettingsAreStoredOnOkOnly) {
  const auto change = [](CardPrintDialog& dialog) {
    Select(&dialog, kCardStock, 2);
    Select(&dialog, kCardNumberStyle, 2);
    SetSpin(&dialog, kCardOffsetX, -1.3);
    SetSpin(&dialog, kCardOffsetY, 4.9);
    Type(&dialog, kCardSenderCode, "150-0001");
    Type(&dialog, kCardSenderName, "佐藤 花子");
    SetSpin(&dialog, kCardSenderOffsetX, 0.7);
    SetSpin(&dialog, kCardSenderOffsetY, -5);
    ControlOf<wxCheckBox>(&dialog, kCardDefaultHonorific).SetValue(false);
    ControlOf<wxCheckBox>(&dialog, kCardOmitJointFamily).SetValue(false);
  };
  {
    CardPrintDialog& dialog = Dialog();
    change(dialog);
    Click(&dialog, wxID_CANCEL);
    EXPECT_EQ(LoadCardSettings(settings_, ""), CardSettings{});
    dialog.Destroy();
    dialog_ = nullptr;
  }
  CardPrintDialog& dialog = Dialog();
  change(dialog);
  Type(&dialog, kCardSenderCode, "15-0001");
  wxTEST_DIALOG(Click(&dialog, wxID_OK),
                ExpectMessage("差出人の郵便番号「15-0001」が読み取れません。\n7桁の数字(例: 123-4567)で入力してください。",
                              wxID_OK));
  EXPECT_EQ(LoadCardSettings(settings_, ""), CardSettings{});
  ControlOf<wxCheckBox>(&dialog, kCardPrintSender).SetValue(false);  // not printed: not checked
  Click(&dialog, wxID_OK);
  EXPECT_EQ(dialog.GetReturnCode(), wxID_OK);
  EXPECT_EQ(Cp932ToUtf8(LoadCardSettings(settings_, "").sender.postalCode), "15-0001");
  ControlOf<wxCheckBox>(&dialog, kCardPrintSender).SetValue(true);
  Type(&dialog, kCardSenderCode, "150-0001");
  Click(&dialog, wxID_OK);
  EXPECT_EQ(dialog.GetReturnCode(), wxID_OK);
  const CardSettings stored = LoadCardSettings(settings_, "");
  EXPECT_EQ(stored.stock, CardStock::PlainPaper);
  EXPECT_EQ(stored.numberStyle, NumberStyle::FullWidthDigits);
  EXPECT_EQ(stored.offsetXTenths, -13);
  EXPECT_EQ(stored.offsetYTenths, 49);
  EXPECT_EQ(stored.senderOffsetXTenths, 7);
  EXPECT_EQ(stored.senderOffsetYTenths, -50);
  EXPECT_FALSE(stored.defaultHonorific);
  EXPECT_FALSE(stored.omitJointFamily);
  EXPECT_EQ(Cp932ToUtf8(stored.sender.postalCode), "150-0001");
  EXPECT_EQ(Cp932ToUtf8(stored.sender.name), "佐藤 花子");
}

TEST_F(CardPrintTest, ThePreviewDrawsTheCardWithInkInTheNameArea) {
  CardPrintDialog& dialog = Dialog();
  const wxSize size(400, 600);
  wxBitmap bitmap(size, 24);
  {
    wxMemoryDC dc(bitmap);
    dialog.Preview().Draw(dc, size);
  }
  const wxImage image = bitmap.ConvertToImage();
  const auto darkIn = [&](double left, double top, double right, double bottom) {
    int dark = 0;
    for (int y = static_cast<int>(top * size.y); y < bottom * size.y; ++y) {
      for (int x = static_cast<int>(left * size.x); x < right * size.x; ++x) {
        dark += image.GetRed(x, y) < 90 && image.GetGreen(x, y) < 90 && image.GetBlue(x, y) < 90 ? 1 : 0;
      }
    }
    return dark;
  };
  EXPECT_GT(darkIn(0.40, 0.25, 0.70, 0.85), 500);  // the name under the first boxes
  EXPECT_EQ(darkIn(0.06, 0.06, 0.30, 0.40), 0);    // the stamp area
  Click(&dialog, kCardNext);
  EXPECT_EQ(dialog.PreviewIndex(), 1);
  Click(&dialog, kCardNext);
  EXPECT_EQ(dialog.PreviewIndex(), 1);
  EXPECT_EQ(LabelOf(&dialog, kCardPosition), "2 / 2 枚目");
  auto& list = ControlOf<wxCheckListBox>(&dialog, kCardRecordList);  // a chosen record clicked
  list.SetSelection(0);
  wxCommandEvent clicked(wxEVT_LISTBOX, kCardRecordList);
  clicked.SetInt(0);
  clicked.SetEventObject(&list);
  list.ProcessWindowEvent(clicked);
  EXPECT_EQ(dialog.PreviewIndex(), 0);
}

// A DC that gives no cairo context (an SVG file here) shows why the card is missing, not a
// blank card.
TEST_F(CardPrintTest, APreviewThatCannotDrawSaysSo) {
  test::TempFolder folder;
  {
    wxSVGFileDC dc(FromPath(folder / "preview.svg"), 400, 600);
    Dialog().Preview().Draw(dc, wxSize(400, 600));
  }
  EXPECT_NE(test::ReadBytes(folder / "preview.svg").find("カードを表示できません"), std::string::npos);
}

TEST_F(CardPrintTest, SavesThePdfChosenInTheFileChooser) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "mirelon_cards_pdf";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  CardPrintDialog& dialog = Dialog();
  wxTEST_DIALOG(Click(&dialog, kCardSavePdf), ExpectDialog<FileChooserDialog>([&](FileChooserDialog& chooser) {
                  EXPECT_EQ(std::string(chooser.GetFilename().utf8_str()), "宛名面.pdf");
                  chooser.SetPath(FromPath(folder / "年賀状"));
                  return wxID_OK;
                }));
  const std::string text = PdfText(folder / "年賀状.pdf");
  EXPECT_NE(text.find("太郎"), std::string::npos) << text;
  EXPECT_NE(text.find("三郎"), std::string::npos) << text;
  EXPECT_EQ(text.find("次郎"), std::string::npos) << text;  // not sent this year
  std::filesystem::remove_all(folder);
}

// The check before saving names the card that would come out wrong by page and registration name:
// 戻る writes nothing, the button that goes on writes the file.
TEST_F(CardPrintTest, TheCheckBeforeSavingListsTheCardsAndGoesBackOrOn) {
  TempFolder folder;
  book_.record(2).postalCode.clear();
  CardPrintDialog& dialog = Dialog();
  const auto check = [](int answer) {
    return ExpectDialog<CardCheckDialog>([answer](CardCheckDialog& shown) {
      auto& list = ControlOf<wxListBox>(&shown, kCardCheckList);
      EXPECT_EQ(list.GetCount(), 1u);
      EXPECT_EQ(std::string(list.GetString(0).utf8_str()), "2 枚目 r0003: 郵便番号がありません(枠は空欄のまま印刷します)");
      EXPECT_EQ(LabelOf(&shown, wxID_OK), "このまま保存");
      return answer;
    });
  };
  wxTEST_DIALOG(Click(&dialog, kCardSavePdf), check(wxID_CANCEL));
  wxTEST_DIALOG(Click(&dialog, kCardSavePdf), check(wxID_OK),
                ExpectDialog<FileChooserDialog>([&](FileChooserDialog& chooser) {
                  chooser.SetPath(FromPath(folder.path() / "cards.pdf"));
                  return wxID_OK;
                }));
  EXPECT_NE(PdfText(folder.path() / "cards.pdf").find("三郎"), std::string::npos);
}

// Printed through GTK's "print to file": the pages are postcards and the code digits sit over their
// boxes, so the printer DC's cairo context is scaled to millimetres from the paper's corner.
TEST_F(CardPrintTest, PrintsPostcardsWithTheCodeOverItsBoxes) {
  if (const auto why = PrintToFileUnavailable()) GTEST_SKIP() << *why;
  TempFolder folder;
  const wxPaperSize listPaper = printing_.PrintData().GetPaperId();
  CardPrintDialog& dialog = Dialog();
  const std::filesystem::path pdf = PrintToFile(printing_, folder.path(), [&] { Click(&dialog, kCardPrint); });
  ASSERT_FALSE(pdf.empty()) << "no PDF written";
  EXPECT_EQ(printing_.PrintData().GetPaperId(), listPaper);  // the list keeps its own paper
  const std::string info = CommandOutput("pdfinfo '" + pdf.string() + "'");
  EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
  std::smatch size;
  ASSERT_TRUE(std::regex_search(info, size, std::regex(R"(Page size:\s+([0-9.]+) x ([0-9.]+) pts)"))) << info;
  EXPECT_NEAR(std::stod(size[1]) / kPointsPerMm, 100, 0.5);
  EXPECT_NEAR(std::stod(size[2]) / kPointsPerMm, 148, 0.5);
  // Page 1's code is 100-0001: a "1" over the first box (left edge 44.3 mm) and the last (86.3 mm).
  const std::string boxes = CommandOutput("pdftotext -f 1 -l 1 -bbox '" + pdf.string() + "' -");
  const std::regex word(R"re(xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="[0-9.]+">1<)re");
  std::vector<double> ones;
  for (std::sregex_iterator i(boxes.begin(), boxes.end(), word), end; i != end; ++i) {
    if (std::stod((*i)[2]) / kPointsPerMm < 25) ones.push_back((std::stod((*i)[1]) + std::stod((*i)[3])) / 2 / kPointsPerMm);
  }
  ASSERT_EQ(ones.size(), 2u) << boxes;
  std::sort(ones.begin(), ones.end());
  EXPECT_NEAR(ones[0], 44.3 + 2.85, 0.6);
  EXPECT_NEAR(ones[1], 86.3 + 2.85, 0.6);
}

// Run under a 640 x 480 screen by card_print_small_screen_test; skipped on larger screens.
TEST_F(CardPrintTest, SmallScreenKeepsEveryPartUsable) {
  const wxRect screen = ScreenAreaOf(nullptr);
  if (screen.width > 640) GTEST_SKIP() << "needs a 640 x 480 screen";
  CardPrintDialog& dialog = Dialog();
  EXPECT_TRUE(screen.Contains(dialog.GetScreenRect())) << "dialog " << dialog.GetSize().x << "x" << dialog.GetSize().y;
  const wxRect client(dialog.GetClientSize());
  struct Part {
    int id;
    wxSize least;  // a list that shows a few names, a card that can be read, a button's text
  };
  const Part parts[] = {{kCardRecordList, {120, 100}}, {kCardPreview, {120, 170}}, {kCardStartAt, {80, 20}},
                        {kCardPrevious, {30, 20}}, {kCardNext, {30, 20}}, {kCardPrint, {60, 20}},
                        {kCardCalibration, {60, 20}}, {kCardSavePdf, {60, 20}}, {wxID_OK, {60, 20}},
                        {wxID_CANCEL, {60, 20}}};
  for (const Part& part : parts) {
    wxWindow* window = dialog.FindWindow(part.id);
    ASSERT_NE(window, nullptr) << part.id;
    const wxRect rect(dialog.ScreenToClient(window->GetScreenPosition()), window->GetSize());
    EXPECT_TRUE(client.Contains(rect)) << part.id;
    // Or what the control asks for, where that is less (Windows sizes a spin for its digits).
    EXPECT_GE(rect.width, std::min(part.least.x, window->GetBestSize().x)) << part.id;
    EXPECT_GE(rect.height, part.least.y) << part.id;
  }
  // The settings column scrolls to its last control.
  wxWindow* last = dialog.FindWindow(kCardSenderOffsetY);
  auto* settings = dynamic_cast<wxScrolledWindow*>(last->GetParent()->GetParent());
  ASSERT_NE(settings, nullptr);
  EXPECT_GE(settings->GetVirtualSize().y, settings->ScreenToClient(last->GetScreenPosition()).y + last->GetSize().y);
}

}  // namespace
}  // namespace mirelon::test
