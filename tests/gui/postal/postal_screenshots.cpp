// The screenshot program's postal windows: every result window shape, filled as a search would
// fill it, and the index window after an address check on the data excerpt.
#include "gui/postal/postal_screenshots.h"

#include "book/address_book.h"
#include "gui/dialogs/index_dialog.h"
#include "gui/postal/postal_result_dialog.h"
#include "res/index_resources.h"
#include "res/postal_resources.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

PostalRow MakeRow(const char* code, const char* business, const char* town, const char* detail) {
  return {code, Sjis(business), Sjis("東京都"), Sjis("千代田区"), Sjis(town), Sjis(detail)};
}

PostalDialogRequest Request(PostalDialogKind kind, bool typed) {
  PostalDialogRequest request;
  request.kind = kind;
  const bool business = IsBusinessDialog(kind);
  request.rows.push_back(MakeRow("1008370", business ? "古河機械金属　株式会社" : "", "大手町", business ? "２丁目６番４号" : ""));
  if (kind == PostalDialogKind::CodeChoice || kind == PostalDialogKind::AddressChoice ||
      kind == PostalDialogKind::BusinessCodeChoice || kind == PostalDialogKind::BusinessAddressChoice) {
    for (const char* town : {"丸の内（次のビルを除く）", "丸の内ＪＰタワー（地階・階層不明）", "内幸町", "有楽町", "霞が関"}) {
      request.rows.push_back(MakeRow("1000005", business ? "古河電子　株式会社　営業部" : "", town, ""));
    }
  }
  if (typed) {
    request.typedAddress = Sjis("千代田区大手町２－６－４古河ビル");
    if (business) request.typedCompany = Sjis("古河機械金属（株）");
  }
  request.options.bangoHyphen = true;
  return request;
}

}  // namespace

void CapturePostalWindows(const std::function<void(wxWindow*, const char*)>& capture) {
  const std::pair<PostalDialogKind, const char*> kinds[] = {
      {PostalDialogKind::AddressResult, "postal_139"},       {PostalDialogKind::AddressChoice, "postal_140"},
      {PostalDialogKind::CodeResult, "postal_141"},          {PostalDialogKind::CodeChoice, "postal_142"},
      {PostalDialogKind::BusinessCodeResult, "postal_143"},  {PostalDialogKind::BusinessAddressResult, "postal_144"},
      {PostalDialogKind::BusinessCodeChoice, "postal_145"},  {PostalDialogKind::BusinessAddressChoice, "postal_146"},
  };
  for (const auto& [kind, name] : kinds) {
    std::unique_ptr<PostalResultDialog> dialog = MakePostalResultDialog(Request(kind, true), true);
    dialog->Show();
    capture(dialog.get(), name);
    dialog->Hide();
  }
  std::unique_ptr<PostalResultDialog> untyped = MakePostalResultDialog(Request(PostalDialogKind::AddressResult, false), true);
  untyped->Show();
  capture(untyped.get(), "postal_139_nothing_typed");
  untyped->Hide();

  AddressBook book;
  const char* rows[][3] = {{"アオキ", "1050011", "東京都港区芝公園"}, {"イノウエ", "1050011", "東京都港区白金台"},
                           {"ウエダ", "1080071", "東京都港区白金台"}, {"エンドウ", "1080071", "東京都港区芝公園"},
                           {"オオタ", "1050012", "東京都港区高輪"}};
  for (const auto& row : rows) {
    AddressRecord record;
    record.registrationName = Sjis(row[0]);
    record.name = Sjis(std::string(row[0]) + " 様");
    record.postalCode = Sjis(row[1]);
    record.address1 = Sjis(row[2]);
    book.AddRecord(record);
  }
  book.currentPage = 4;
  IndexDialog index(nullptr, book, MIRELON_TEST_DATA "/postal/sjis/QUELTAJUSHO.CSV", false, true);
  index.Show();
  capture(&index, "index_133");
  wxCommandEvent click(wxEVT_BUTTON, res::kIdCheckAddresses);
  index.FindWindow(res::kIdCheckAddresses)->ProcessWindowEvent(click);
  // Without a window manager the window would otherwise be drawn as inactive.
  index.FindWindow(res::kIdIndexList)->SetFocus();
  capture(&index, "index_133_checked");
  index.Hide();
}

}  // namespace mirelon
