// Writes screenshots of the card printing dialog's preview (a one-line address, a two-line address
// with company and title, three joint names, the calibration sheet, 180° with offsets), the check
// before printing, and a card as the printer gets it, into the folder given as the first argument.
// Run under xvfb-run (scripts/screenshots).

#include <wx/app.h>

#include "appcore/program_settings.h"
#include "book/address_book.h"
#include "cards/card_layout.h"
#include "cards/card_check.h"
#include "cards/card_render.h"
#include "gui/cards/card_check_dialog.h"
#include "gui/cards/card_preview_panel.h"
#include "gui/cards/card_print_dialog.h"
#include "gui/cards/card_printout.h"
#include "gui/kit/print_setup.h"
#include "gui/support/screenshot_support.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

using namespace literals;

void FillBook(AddressBook& book) {
  AddressRecord one;
  one.registrationName = "a";
  one.name = "山田 太郎"_sjis;
  one.honorific = "様"_sjis;
  one.postalCode = "100-0001";
  one.address1 = "東京都千代田区千代田1-1"_sjis;
  book.InsertRecordAt(book.recordCount(), one);

  AddressRecord company;
  company.registrationName = "b";
  company.name = "佐藤 一郎"_sjis;
  company.honorific = "様"_sjis;
  company.postalCode = "530-0001";
  company.address1 = "大阪府大阪市北区梅田3丁目12番地5号"_sjis;
  company.address2 = "梅田センタービル 2105号"_sjis;
  company.company1 = "株式会社 能ソ商会"_sjis;
  company.company2 = "営業本部 第二営業部"_sjis;
  company.position = "部長"_sjis;
  book.InsertRecordAt(book.recordCount(), company);

  AddressRecord joint;
  joint.registrationName = "c";
  joint.name = "鈴木 健一"_sjis;
  joint.honorific = "様"_sjis;
  joint.jointName1 = "鈴木 美咲"_sjis;
  joint.jointHonorific1 = "様"_sjis;
  joint.jointName2 = "翔太"_sjis;
  joint.jointHonorific2 = "くん"_sjis;
  joint.jointName3 = "さくら"_sjis;
  joint.jointHonorific3 = "ちゃん"_sjis;
  joint.postalCode = "2220033";
  joint.address1 = "神奈川県横浜市港北区新横浜2-5-10"_sjis;
  book.InsertRecordAt(book.recordCount(), joint);

  AddressRecord company2;  // for the check before printing: no code, no one named
  company2.registrationName = "d";
  company2.address1 = "宮城県仙台市青葉区一番町1-2"_sjis;
  company2.company1 = "東北能楽堂"_sjis;
  company2.company2 = "総務部"_sjis;
  book.InsertRecordAt(book.recordCount(), company2);
}

void SetSender(SettingsStore& settings) {
  CardSettings cards;
  cards.sender.postalCode = "150-0001";
  cards.sender.address1 = "東京都渋谷区神宮前4-3-2"_sjis;
  cards.sender.name = "高橋 誠"_sjis;
  cards.sender.jointName = "陽子"_sjis;
  SaveCardSettings(settings, "", cards);
}

class CardScreenshotApp final : public wxApp {
 public:
  bool OnInit() override {
    if (!StartScreenshotProgram(*this)) return false;
    FillBook(book_);
    SetSender(settings_);
    return true;
  }

  int OnRun() override {
    PrintSetup printing;
    ProgramSettings settings(settings_);
    auto* dialog = new CardPrintDialog(nullptr, {book_, settings, printing});
    dialog->Show();
    const char* names[] = {"card_one_line", "card_company_title", "card_joint_names"};
    for (int i = 0; i < 3; ++i) {
      dialog->ShowPreviewCard(i);
      Capture(dialog, names[i]);
    }
    dialog->Preview().SetCard(LayoutCalibrationSheet(LoadCardSettings(settings_, "")), wxEmptyString);
    Capture(dialog, "card_calibration");
    CardSettings turned = LoadCardSettings(settings_, "");
    turned.rotate180 = true;
    turned.offsetXTenths = 30;
    turned.offsetYTenths = -20;
    dialog->Preview().SetCard(LayoutCard(book_.record(1), turned), wxEmptyString);
    Capture(dialog, "card_turned_offset");
    RenderPrinted(LayoutCard(book_.record(1), LoadCardSettings(settings_, "")));
    CaptureCheck(*dialog);
    dialog->Destroy();
    return 0;
  }

 private:
  // The check before printing for every record of the book, as the print button shows it.
  void CaptureCheck(wxWindow& parent) {
    const CardSettings settings = LoadCardSettings(settings_, "");
    std::vector<int> records;
    std::vector<CardLayout> cards;
    for (int i = 0; i < book_.recordCount(); ++i) {
      records.push_back(i);
      cards.push_back(LayoutCard(book_.record(i), settings));
    }
    auto* check = new CardCheckDialog(&parent, CheckCards(book_, records, cards, settings, FontCoverage()),
                                      wxString::FromUTF8("このまま印刷"));
    check->Show();
    Capture(check, "card_check");
    check->Destroy();
  }

  // The card as a 254 dpi printer gets it (10 px a millimetre): no pale boxes, no edge.
  static void RenderPrinted(const CardLayout& card) {
    CardPrintout printout({card}, "card");
    RenderPrintedPage(printout, 254, wxSize(100, 148), "card_printed");
  }

  MemorySettingsStore settings_;
  AddressBook book_;
};

}  // namespace
}  // namespace mirelon

wxIMPLEMENT_APP_NO_MAIN(mirelon::CardScreenshotApp);

int main(int argc, char** argv) { return wxEntry(argc, argv); }
