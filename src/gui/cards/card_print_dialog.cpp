#include "gui/cards/card_print_dialog.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/checklst.h>
#include <wx/choice.h>
#include <wx/scrolwin.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "appcore/program_settings.h"
#include "book/address_book.h"
#include "cards/card_check.h"
#include "cards/card_layout.h"
#include "cards/card_records.h"
#include "cards/postal_code_cells.h"
#include "gui/cards/card_check_dialog.h"
#include "gui/cards/card_preview_panel.h"
#include "gui/cards/card_printout.h"
#include "gui/kit/dialog_background.h"
#include "gui/kit/file_chooser.h"
#include "gui/kit/message_box.h"
#include "gui/kit/screen_fit.h"
#include "gui/kit/print_setup.h"
#include "gui/kit/wx_text.h"
#include "platform/user_folders.h"
#include "res/card_print_resources.h"

namespace mirelon {
namespace {

using namespace res;

const CardDialogTexts& T() { return CardDialogText(); }

// What a small screen leaves the record list, the sender fields, the settings column (which then
// scrolls) and the preview at the least.
const wxSize kSmallRecordList(140, 120);
constexpr int kSmallFieldWidth = 150;
constexpr int kSmallSettingsHeight = 120;
constexpr int kBoxLabelMargin = 16;
const wxSize kSmallestPreview(120, 177);

wxString Format(std::string_view utf8, const wxString& argument) { return wxString::Format(U8(utf8), argument); }

wxString RecordLabel(const AddressRecord& record, int index) {
  const std::string& name = record.name.empty() ? record.registrationName : record.name;
  return wxString::Format("%4d  ", index + 1) + FromCp932(name);
}

wxArrayString Items(const std::vector<std::string_view>& texts) {
  wxArrayString items;
  for (std::string_view text : texts) items.Add(U8(text));
  return items;
}

}  // namespace

CardPrintDialog::CardPrintDialog(wxWindow* parent, const CardPrintContext& context)
    : wxDialog(parent, wxID_ANY, U8(T().title), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      book_(context.book),
      settings_(context.settings.Store()),
      printSetup_(context.printSetup),
      printer_(context.printSetup.PrintData().GetPrinterName().utf8_string()) {
  BuildControls();
  ShowSettings(LoadCardSettings(settings_, printer_));
  CheckRecords(DefaultCardRecords(book_));
  tooltips_.Add(this, CardDialogTooltips());
  tooltips_.Activate(context.settings.Switches().toolTipCtrl);
  PaintWithDialogColour(this);
  ChoicesChanged();
  Fit();
  ShrinkToScreen();
  Centre();
}

void CardPrintDialog::ShrinkToScreen() {
  const wxRect area = ScreenAreaOf(GetParent() != nullptr ? GetParent() : this);
  const wxSize room(area.width - kFrameAllowance.x, area.height - kFrameAllowance.y);
  const wxSize natural = GetSize();
  if (natural.x <= room.x && natural.y <= room.y) return;
  // A small screen (640 x 480): the settings scroll, the widest rows fold, the record list keeps
  // a usable share, and the preview gives up what is still missing, keeping the card's shape.
  for (wxBoxSizer* row : foldingRows_) row->SetOrientation(wxVERTICAL);
  senderOffsets_->SetCols(2);
  for (wxTextCtrl* field : senderFields_) field->SetMinSize(wxSize(kSmallFieldWidth, -1));
  records_->SetMinSize(kSmallRecordList);
  // GTK measures a box by the room its controls take now: it is asked for its label only.
  for (wxWindow* box : {records_->GetParent(), offsetX_->GetParent(), senderFields_[0]->GetParent()}) {
    box->CacheBestSize(wxSize(box->GetTextExtent(box->GetLabel()).x + kBoxLabelMargin, 0));
  }
  settingsPanel_->SetScrollRate(0, 10);
  settingsPanel_->SetMinSize(wxSize(settingsPanel_->GetSizer()->CalcMin().x + wxSystemSettings::GetMetric(wxSYS_VSCROLL_X),
                                    kSmallSettingsHeight));
  Fit();
  // What the controls need, not the window's size: Windows holds a window within the screen.
  const wxSize over = GetSizer()->CalcMin() + (GetSize() - GetClientSize()) - room;
  const wxSize preview = preview_->GetMinSize();
  int width = preview.x - std::max(0, over.x);
  int height = preview.y - std::max(0, over.y);
  width = std::max(kSmallestPreview.x, std::min(width, height * preview.x / preview.y));
  height = width * preview.y / preview.x;
  preview_->SetMinSize(wxSize(width, height));
  Fit();
  SetSize(GetSize().x, std::min(natural.y, room.y));  // the height there is goes to the settings
  LimitToScreen(this);
}

void CardPrintDialog::BuildControls() {
  auto* columns = new wxBoxSizer(wxHORIZONTAL);
  columns->Add(BuildRecordColumn(this), 1, wxEXPAND | wxALL, 6);
  columns->Add(BuildSettingsColumn(this), 0, wxEXPAND | wxALL, 6);
  columns->Add(BuildPreviewColumn(this), 0, wxEXPAND | wxALL, 6);

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  const auto button = [this, buttons](int id, std::string_view text, auto action) {
    auto* made = new wxButton(this, id, U8(text));
    made->Bind(wxEVT_BUTTON, [action](wxCommandEvent&) { action(); });
    buttons->Add(made, 0, wxLEFT, 6);
    return made;
  };
  button(kCardPrint, T().print, [this] { PrintChosen(); });
  button(kCardCalibration, T().calibration, [this] { PrintCalibration(); });
  button(kCardSavePdf, T().savePdf, [this] { SavePdf(); });
  buttons->AddStretchSpacer();
  button(wxID_OK, T().close, [this] { OnOk(); })->SetDefault();
  button(wxID_CANCEL, T().cancel, [this] { Finish(wxID_CANCEL); });

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(columns, 1, wxEXPAND);
  top->Add(buttons, 0, wxEXPAND | wxALL, 8);
  SetSizer(top);
}

wxWindow* CardPrintDialog::BuildRecordColumn(wxWindow* parent) {
  auto* panel = new wxPanel(parent);
  auto* box = new wxStaticBoxSizer(wxVERTICAL, panel, U8(T().records));
  wxArrayString labels;
  for (int i = 0; i < book_.recordCount(); ++i) labels.Add(RecordLabel(book_.record(i), i));
  records_ = new wxCheckListBox(box->GetStaticBox(), kCardRecordList, wxDefaultPosition, wxSize(220, 360), labels);
  records_->Bind(wxEVT_CHECKLISTBOX, [this](wxCommandEvent&) { ChoicesChanged(); });
  // Clicking a chosen record shows its card.
  records_->Bind(wxEVT_LISTBOX, [this](wxCommandEvent& event) {
    const std::vector<int> chosen = ChosenRecords();
    const auto found = std::find(chosen.begin(), chosen.end(), event.GetSelection());
    if (found != chosen.end()) ShowPreviewCard(static_cast<int>(found - chosen.begin()));
  });
  box->Add(records_, 1, wxEXPAND | wxALL, 4);

  auto* selectors = new wxBoxSizer(wxHORIZONTAL);
  const auto selector = [this, box, selectors](int id, std::string_view text, auto records) {
    auto* made = new wxButton(box->GetStaticBox(), id, U8(text), wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
    made->Bind(wxEVT_BUTTON, [this, records](wxCommandEvent&) { CheckRecords(records()); });
    selectors->Add(made, 0, wxRIGHT, 4);
  };
  selector(kCardSelectDefault, T().selectDefault, [this] { return DefaultCardRecords(book_); });
  selector(kCardSelectAll, T().selectAll, [this] {
    std::vector<int> all(static_cast<size_t>(book_.recordCount()));
    std::iota(all.begin(), all.end(), 0);
    return all;
  });
  selector(kCardSelectNone, T().selectNone, [] { return std::vector<int>(); });
  box->Add(selectors, 0, wxALL, 4);

  auto* start = new wxBoxSizer(wxHORIZONTAL);
  foldingRows_ = {selectors, start};
  start->Add(new wxStaticText(box->GetStaticBox(), wxID_ANY, U8(T().startAt)), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
  startAt_ = new wxSpinCtrl(box->GetStaticBox(), kCardStartAt, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                            wxSP_ARROW_KEYS, 1, 1, 1);
  startAt_->Bind(wxEVT_SPINCTRL, [this](wxSpinEvent&) { ChoicesChanged(); });
  start->Add(startAt_);
  box->Add(start, 0, wxALL, 4);
  panel->SetSizer(box);
  return panel;
}

wxWindow* CardPrintDialog::BuildSettingsColumn(wxWindow* parent) {
  // Scrolls only when a small screen leaves it less than its height.
  auto* panel = new wxScrolledWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxVSCROLL);
  settingsPanel_ = panel;
  auto* column = new wxBoxSizer(wxVERTICAL);
  const auto changed = [this](wxEvent&) { ChoicesChanged(); };

  auto* grid = new wxFlexGridSizer(2, 4, 6);
  const auto labelled = [panel, grid](std::string_view label, wxWindow* control) {
    grid->Add(new wxStaticText(panel, wxID_ANY, U8(label)), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(control, 0, wxEXPAND);
  };
  stock_ = new wxChoice(panel, kCardStock, wxDefaultPosition, wxDefaultSize, Items(T().stocks));
  numberStyle_ = new wxChoice(panel, kCardNumberStyle, wxDefaultPosition, wxDefaultSize, Items(T().numberStyles));
  labelled(T().stock, stock_);
  labelled(T().numberStyle, numberStyle_);
  stock_->Bind(wxEVT_CHOICE, changed);
  numberStyle_->Bind(wxEVT_CHOICE, changed);
  column->Add(grid, 0, wxEXPAND | wxBOTTOM, 6);
  for (auto [target, id, label] : {std::tuple{&defaultHonorific_, kCardDefaultHonorific, T().defaultHonorific},
                                   std::tuple{&omitJointFamily_, kCardOmitJointFamily, T().omitJointFamily}}) {
    *target = new wxCheckBox(panel, id, U8(label));
    (*target)->Bind(wxEVT_CHECKBOX, changed);
    column->Add(*target, 0, wxBOTTOM, 6);
  }

  const wxString printer = printer_.empty() ? U8(T().defaultPrinter) : wxString::FromUTF8(printer_);
  auto* place = new wxStaticBoxSizer(wxVERTICAL, panel, U8(T().printer) + printer);
  auto* offsets = new wxFlexGridSizer(2, 4, 6);
  for (auto [target, id, label] : {std::tuple{&offsetX_, kCardOffsetX, T().offsetX}, std::tuple{&offsetY_, kCardOffsetY, T().offsetY}}) {
    offsets->Add(new wxStaticText(place->GetStaticBox(), wxID_ANY, U8(label)), 0, wxALIGN_CENTER_VERTICAL);
    *target = OffsetSpin(place->GetStaticBox(), id);
    offsets->Add(*target);
  }
  place->Add(offsets, 0, wxALL, 4);
  rotate_ = new wxCheckBox(place->GetStaticBox(), kCardRotate, U8(T().rotate));
  rotate_->Bind(wxEVT_CHECKBOX, changed);
  place->Add(rotate_, 0, wxALL, 4);
  column->Add(place, 0, wxEXPAND | wxBOTTOM, 6);

  auto* sender = new wxStaticBoxSizer(wxVERTICAL, panel, U8(T().sender));
  printSender_ = new wxCheckBox(sender->GetStaticBox(), kCardPrintSender, U8(T().printSender));
  printSender_->Bind(wxEVT_CHECKBOX, changed);
  sender->Add(printSender_, 0, wxALL, 4);
  auto* fields = new wxFlexGridSizer(2, 4, 6);
  fields->AddGrowableCol(1);
  for (auto [id, label] : {std::pair{kCardSenderCode, T().senderCode}, std::pair{kCardSenderAddress1, T().senderAddress1},
                           std::pair{kCardSenderAddress2, T().senderAddress2}, std::pair{kCardSenderName, T().senderName},
                           std::pair{kCardSenderJointName, T().senderJointName}}) {
    fields->Add(new wxStaticText(sender->GetStaticBox(), wxID_ANY, U8(label)), 0, wxALIGN_CENTER_VERTICAL);
    auto* field = new wxTextCtrl(sender->GetStaticBox(), id, wxEmptyString, wxDefaultPosition, wxSize(220, -1));
    field->Bind(wxEVT_TEXT, changed);
    fields->Add(field, 1, wxEXPAND);
    senderFields_.push_back(field);
  }
  sender->Add(fields, 0, wxEXPAND | wxALL, 4);
  auto* senderOffsets = senderOffsets_ = new wxFlexGridSizer(4, 4, 6);
  for (auto [target, id, label] : {std::tuple{&senderOffsetX_, kCardSenderOffsetX, T().senderOffsetX},
                                   std::tuple{&senderOffsetY_, kCardSenderOffsetY, T().senderOffsetY}}) {
    senderOffsets->Add(new wxStaticText(sender->GetStaticBox(), wxID_ANY, U8(label)), 0, wxALIGN_CENTER_VERTICAL);
    *target = OffsetSpin(sender->GetStaticBox(), id);
    senderOffsets->Add(*target);
  }
  sender->Add(senderOffsets, 0, wxALL, 4);
  column->Add(sender, 0, wxEXPAND);
  panel->SetSizer(column);
  return panel;
}

wxSpinCtrlDouble* CardPrintDialog::OffsetSpin(wxWindow* parent, int id) {
  const double limit = kMaxOffsetTenths / 10.0;
  auto* spin = new wxSpinCtrlDouble(parent, id, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS,
                                    -limit, limit, 0, 0.1);
  spin->SetDigits(1);
  spin->Bind(wxEVT_SPINCTRLDOUBLE, [this](wxSpinDoubleEvent&) { ChoicesChanged(); });
  return spin;
}

wxWindow* CardPrintDialog::BuildPreviewColumn(wxWindow* parent) {
  auto* panel = new wxPanel(parent);
  auto* column = new wxBoxSizer(wxVERTICAL);
  preview_ = new CardPreviewPanel(panel, kCardPreview, wxSize(300, 440));
  column->Add(preview_, 1, wxEXPAND);
  auto* paging = new wxBoxSizer(wxHORIZONTAL);
  auto* previous = new wxButton(panel, kCardPrevious, U8(T().previous), wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
  auto* next = new wxButton(panel, kCardNext, U8(T().next), wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
  position_ = new wxStaticText(panel, kCardPosition, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                               wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE);
  previous->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ShowPreviewCard(previewIndex_ - 1); });
  next->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ShowPreviewCard(previewIndex_ + 1); });
  paging->Add(previous);
  paging->Add(position_, 1, wxALIGN_CENTER_VERTICAL);
  paging->Add(next);
  column->Add(paging, 0, wxEXPAND | wxTOP, 4);
  panel->SetSizer(column);
  return panel;
}

void CardPrintDialog::ShowSettings(const CardSettings& settings) {
  stock_->SetSelection(static_cast<int>(settings.stock));
  numberStyle_->SetSelection(static_cast<int>(settings.numberStyle));
  offsetX_->SetValue(settings.offsetXTenths / 10.0);
  offsetY_->SetValue(settings.offsetYTenths / 10.0);
  rotate_->SetValue(settings.rotate180);
  senderOffsetX_->SetValue(settings.senderOffsetXTenths / 10.0);
  senderOffsetY_->SetValue(settings.senderOffsetYTenths / 10.0);
  defaultHonorific_->SetValue(settings.defaultHonorific);
  omitJointFamily_->SetValue(settings.omitJointFamily);
  printSender_->SetValue(settings.printSender);
  const SenderAddress& sender = settings.sender;
  const std::string* texts[] = {&sender.postalCode, &sender.address1, &sender.address2, &sender.name, &sender.jointName};
  for (size_t i = 0; i < senderFields_.size(); ++i) senderFields_[i]->ChangeValue(FromCp932(*texts[i]));
}

void CardPrintDialog::CheckRecords(const std::vector<int>& records) {
  for (unsigned i = 0; i < records_->GetCount(); ++i) records_->Check(i, false);
  for (int record : records) records_->Check(static_cast<unsigned>(record), true);
  startAt_->SetValue(1);
  ChoicesChanged();
}

std::vector<int> CardPrintDialog::ChosenRecords() const {
  wxArrayInt checked;
  records_->GetCheckedItems(checked);
  std::vector<int> chosen(checked.begin(), checked.end());
  const auto skipped = std::min(chosen.size(), static_cast<size_t>(std::max(0, startAt_->GetValue() - 1)));
  chosen.erase(chosen.begin(), chosen.begin() + static_cast<std::ptrdiff_t>(skipped));
  return chosen;
}

std::optional<CardSettings> CardPrintDialog::ReadControls(bool report) {
  CardSettings settings;
  settings.stock = static_cast<CardStock>(std::max(0, stock_->GetSelection()));
  settings.numberStyle = static_cast<NumberStyle>(std::max(0, numberStyle_->GetSelection()));
  const auto tenths = [](const wxSpinCtrlDouble* spin) { return static_cast<int>(std::lround(spin->GetValue() * 10)); };
  settings.offsetXTenths = tenths(offsetX_);
  settings.offsetYTenths = tenths(offsetY_);
  settings.senderOffsetXTenths = tenths(senderOffsetX_);
  settings.senderOffsetYTenths = tenths(senderOffsetY_);
  settings.rotate180 = rotate_->GetValue();
  settings.defaultHonorific = defaultHonorific_->GetValue();
  settings.omitJointFamily = omitJointFamily_->GetValue();
  settings.printSender = printSender_->GetValue();
  SenderAddress& sender = settings.sender;
  std::string* texts[] = {&sender.postalCode, &sender.address1, &sender.address2, &sender.name, &sender.jointName};
  for (size_t i = 0; i < senderFields_.size(); ++i) {
    Cp932FromControl converted = ToCp932(senderFields_[i]->GetValue());
    if (!converted.ok && report) {
      ShowMessageBoxText(Format(kCardUnmappable, converted.unmappable));
      senderFields_[i]->SetFocus();
      return std::nullopt;
    }
    *texts[i] = std::move(converted.bytes);
  }
  // A code the sender block cannot put in its boxes is refused only while the block is printed.
  if (report && settings.printSender && !PostalCodeDigits(sender.postalCode)) {
    ShowMessageBoxText(Format(kCardBadSenderCode, senderFields_[0]->GetValue()));
    senderFields_[0]->SetFocus();
    return std::nullopt;
  }
  return settings;
}

void CardPrintDialog::ChoicesChanged() {
  wxArrayInt checked;
  startAt_->SetRange(1, std::max(1, static_cast<int>(records_->GetCheckedItems(checked))));
  ShowPreviewCard(previewIndex_);
}

void CardPrintDialog::ShowPreviewCard(int index) {
  const std::vector<int> chosen = ChosenRecords();
  const int count = static_cast<int>(chosen.size());
  previewIndex_ = std::clamp(index, 0, std::max(0, count - 1));
  if (count == 0) {
    preview_->SetCard(std::nullopt, U8(T().noCards));
    position_->SetLabel(wxEmptyString);
    return;
  }
  const CardSettings settings = *ReadControls(false);
  preview_->SetCard(LayoutCard(book_.record(chosen[static_cast<size_t>(previewIndex_)]), settings), wxEmptyString);
  position_->SetLabel(wxString::Format(U8(T().position), previewIndex_ + 1, count));
}

std::vector<CardLayout> CardPrintDialog::Layouts(const CardSettings& settings) const {
  std::vector<CardLayout> cards;
  for (int record : ChosenRecords()) cards.push_back(LayoutCard(book_.record(record), settings));
  return cards;
}

bool CardPrintDialog::ReadyToPrint(const std::vector<CardLayout>& cards, const CardSettings& settings,
                                   std::string_view goOn) {
  if (cards.empty()) {
    ShowMessageBoxText(U8(T().noCards));
    return false;
  }
  return ConfirmCards(this, CheckCards(book_, ChosenRecords(), cards, settings, FontCoverage()), U8(goOn));
}

void CardPrintDialog::PrintChosen() {
  const std::optional<CardSettings> settings = ReadControls(true);
  if (!settings) return;
  std::vector<CardLayout> cards = Layouts(*settings);
  if (!ReadyToPrint(cards, *settings, T().checkPrint)) return;
  PrintCards(this, printSetup_, std::move(cards), U8(T().printoutTitle));
}

void CardPrintDialog::PrintCalibration() {
  const std::optional<CardSettings> settings = ReadControls(true);
  if (!settings) return;
  PrintCards(this, printSetup_, {LayoutCalibrationSheet(*settings)}, U8(T().calibration));
}

void CardPrintDialog::SavePdf() {
  const std::optional<CardSettings> settings = ReadControls(true);
  if (!settings) return;
  const std::vector<CardLayout> cards = Layouts(*settings);
  if (!ReadyToPrint(cards, *settings, T().checkSave)) return;
  FileChooserDialog chooser(this, U8(T().pdfChooser), FromPath(UserDocumentsFolder()), U8(T().pdfDefaultName),
                            U8(T().pdfFilter), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
  if (chooser.ShowModal() != wxID_OK) return;
  std::filesystem::path path = ToPath(chooser.GetPath());
  if (!path.has_extension()) path += ".pdf";
  if (WriteCardsPdf(path, cards) != FileIoResult::Done) {
    ShowMessageBoxText(Format(kCardPdfFailed, FromPath(path)));
  }
}

void CardPrintDialog::OnOk() {
  const std::optional<CardSettings> settings = ReadControls(true);
  if (!settings) return;
  SaveCardSettings(settings_, printer_, *settings);
  Finish(wxID_OK);
}

void CardPrintDialog::Finish(int answer) {
  SetReturnCode(answer);
  if (IsModal()) EndModal(answer);
}

void RunCardPrintDialog(wxWindow* parent, const CardPrintContext& context) {
  CardPrintDialog dialog(parent, context);
  dialog.ShowModal();
}

}  // namespace mirelon
