#include "gui/dialogs/options_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/settings.h>
#include <wx/stattext.h>

#include "appcore/dialog_colour.h"
#include "appcore/program_settings.h"
#include "book/address_book.h"
#include "book/book_files.h"
#include "book/history_rules.h"
#include "gui/dialogs/colour_chooser_dialog.h"
#include "gui/kit/message_box.h"
#include "gui/kit/wx_text.h"
#include "res/options_resources.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

using namespace literals;

wxColour ToWxColour(const RgbColour& colour) {
  return wxColour(static_cast<unsigned char>(colour.red), static_cast<unsigned char>(colour.green),
                  static_cast<unsigned char>(colour.blue));
}

}  // namespace

OptionsDialog::OptionsDialog(wxWindow* parent, AddressBook& book, ProgramSettings& settings)
    : TemplateDialog(parent, res::OptionsTemplate()),
      book_(book),
      settings_(settings),
      notes_(book.notes),
      memoTitle1_(book.memoTitle1),
      memoTitle2_(book.memoTitle2),
      nonSendMark_(book.nonSendMark),
      colourText_(FormatDialogColour(ParseDialogColour(ReadBackgroundSetting(settings.Store())))),
      originalNotes_(book.notes),
      originalMemoTitle1_(book.memoTitle1),
      originalMemoTitle2_(book.memoTitle2),
      originalNonSendMark_(book.nonSendMark) {
  exchange_.BindText(res::kIdNotes, &notes_, 0, "覚え書き");
  exchange_.BindText(res::kIdMemoTitle1Text, &memoTitle1_, 0, "メモ１の表示タイトル");
  exchange_.BindText(res::kIdMemoTitle2Text, &memoTitle2_, 0, "メモ２の表示タイトル");
  exchange_.BindText(res::kIdNonSendMark, &nonSendMark_, res::kNonSendMarkLimit, "送信しない履歴記号");
  exchange_.BindText(res::kIdColourText, &colourText_, 0, "ダイアログの背景色");
  exchange_.Attach(this);
  exchange_.Push();
  Control<wxCheckBox>(res::kIdConvHistChar).SetValue(settings.Switches().convHistChar);
  Control<wxCheckBox>(res::kIdToolTipCtrl).SetValue(settings.Switches().toolTipCtrl);

  PaintBackground();
  UpdateYearButton();
  Control<wxButton>(res::kIdWriteImportFile).Enable(book_.HasFile());
  AddTooltips();

  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnAdvanceYear(); }, res::kIdAdvanceYear);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnWriteImportFile(); }, res::kIdWriteImportFile);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnChooseColour(); }, res::kIdChooseColour);
  Bind(wxEVT_CHECKBOX, [this](wxCommandEvent& event) { settings_.SetConvHistChar(event.IsChecked()); },
       res::kIdConvHistChar);
  Bind(wxEVT_CHECKBOX, [this](wxCommandEvent& event) {
    settings_.SetToolTipCtrl(event.IsChecked());
    tooltips_.Activate(event.IsChecked());
  }, res::kIdToolTipCtrl);
}

void OptionsDialog::AddTooltips() {
  tooltips_.Add(this, res::OptionsTooltips());
  tooltips_.Activate(settings_.Switches().toolTipCtrl);
}

void OptionsDialog::UpdateYearButton() {
  auto& button = Control<wxButton>(res::kIdAdvanceYear);
  button.SetLabel(U8(std::to_string(book_.year + 1) + "年に履歴更新"));
  button.Enable(CanAdvanceHistoryYear(book_, CurrentLocalYear()));
}

void OptionsDialog::OnAdvanceYear() {
  if (!exchange_.Pull()) return;
  const std::string typed = nonSendMark_;
  nonSendMark_ = NormalizeNonSendMark(typed);
  exchange_.PushOne(res::kIdNonSendMark);
  // A blank mark would read as "sent" at the next judgement: it is replaced, and the click ends.
  if (IsBlankMark(typed)) return;
  const std::string question =
      std::to_string(book_.year + 1) + "年に履歴を更新します\r\n履歴は巻き戻しできません"_sjis;
  if (!ShowMessageBox(question, PromptButtons::OkCancel)) return;
  AdvanceHistoryYear(book_, nonSendMark_);
  UpdateYearButton();
}

void OptionsDialog::OnWriteImportFile() {
  const std::string question =
      "インポートファイルを作成します\r\n"_sjis + PathText(FamilyPath(book_.file, BookFileKind::ImportFile));
  if (!ShowMessageBox(question, PromptButtons::OkCancel)) return;
  SaveBookFile(book_, BookFileKind::ImportFile);
}

void OptionsDialog::OnChooseColour() {
  if (!exchange_.Pull()) return;
  ColourChooserDialog chooser(this, ToWxColour(ParseDialogColour(colourText_)));
  if (chooser.ShowModal() != wxID_OK) return;
  const wxColour chosen = chooser.Chosen();
  RgbColour colour{chosen.Red(), chosen.Green(), chosen.Blue()};
  BrightenColour(colour);
  colourText_ = FormatDialogColour(colour);
  PaintBackground();
  Refresh();
  exchange_.Push();
}

void OptionsDialog::PaintBackground() {
  const RgbColour colour = ParseDialogColour(colourText_);
  const wxColour background =
      colour.Sum() != 0 ? ToWxColour(colour) : wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
  SetBackgroundColour(background);
  for (wxWindow* child : GetChildren()) {
    if (wxDynamicCast(child, wxStaticText) == nullptr && wxDynamicCast(child, wxCheckBox) == nullptr) continue;
    child->SetBackgroundColour(background);
    child->SetForegroundColour(*wxBLACK);
  }
}

void OptionsDialog::OnOk() {
  if (!exchange_.Pull()) return;
  nonSendMark_ = NormalizeNonSendMark(nonSendMark_);
  settings_.WriteMiscString(misc::kBkColor, FormatDialogColour(ParseDialogColour(colourText_)));
  if (nonSendMark_ != originalNonSendMark_ || memoTitle1_ != originalMemoTitle1_ ||
      memoTitle2_ != originalMemoTitle2_ || notes_ != originalNotes_) {
    book_.nonSendMark = nonSendMark_;
    book_.memoTitle1 = memoTitle1_;
    book_.memoTitle2 = memoTitle2_;
    book_.notes = notes_;
    if (book_.recordCount() >= 1) book_.modified = true;
  }
  TemplateDialog::OnOk();
}

}  // namespace mirelon
