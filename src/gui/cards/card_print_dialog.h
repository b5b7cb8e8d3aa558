// "宛名面の印刷": choosing the records, the stock, the offsets of the printer, 180°, the sender with
// its own offset, the number style and the name choices, with a card-by-card preview; printing, a
// calibration sheet and PDF files, each after the check before printing. The choices are stored
// (section Cards) when the dialog is closed with "閉じる", and thrown away with キャンセル.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <wx/dialog.h>

#include "cards/card_settings.h"
#include "gui/kit/tooltip_set.h"

class wxCheckBox;
class wxBoxSizer;
class wxCheckListBox;
class wxFlexGridSizer;
class wxScrolledWindow;
class wxChoice;
class wxSpinCtrl;
class wxSpinCtrlDouble;
class wxStaticText;
class wxTextCtrl;

namespace mirelon {

class AddressBook;
class CardPreviewPanel;
class PrintSetup;
class ProgramSettings;
struct CardLayout;

struct CardPrintContext {
  const AddressBook& book;
  ProgramSettings& settings;
  PrintSetup& printSetup;  // the printer whose offsets are shown, and the printing
};

class CardPrintDialog final : public wxDialog {
 public:
  CardPrintDialog(wxWindow* parent, const CardPrintContext& context);

  // The records to print: those checked, from the "start at" card on (book indices, book order).
  std::vector<int> ChosenRecords() const;
  // The choices as the controls show them. With `report`, a value that cannot be used is refused
  // with a message and its control focused (nothing then); without, it is taken as far as it goes.
  std::optional<CardSettings> ReadControls(bool report);
  // The card shown in the preview, counted in ChosenRecords from 0.
  int PreviewIndex() const { return previewIndex_; }
  void ShowPreviewCard(int index);
  CardPreviewPanel& Preview() const { return *preview_; }

 private:
  void BuildControls();
  // Lays the dialog out again within a screen too small for it.
  void ShrinkToScreen();
  wxWindow* BuildRecordColumn(wxWindow* parent);
  wxWindow* BuildSettingsColumn(wxWindow* parent);
  wxWindow* BuildPreviewColumn(wxWindow* parent);
  void ShowSettings(const CardSettings& settings);
  void CheckRecords(const std::vector<int>& records);
  void ChoicesChanged();
  std::vector<CardLayout> Layouts(const CardSettings& settings) const;
  // False when there is nothing to print, or when the check found cards that would come out wrong
  // and the user went back; `goOn` labels the check's button that carries on.
  bool ReadyToPrint(const std::vector<CardLayout>& cards, const CardSettings& settings, std::string_view goOn);
  wxSpinCtrlDouble* OffsetSpin(wxWindow* parent, int id);
  void PrintChosen();
  void PrintCalibration();
  void SavePdf();
  void OnOk();
  // Ends the modal run; a dialog shown without one (tests) keeps its answer only.
  void Finish(int answer);

  const AddressBook& book_;
  SettingsStore& settings_;
  PrintSetup& printSetup_;
  std::string printer_;
  TooltipSet tooltips_;
  int previewIndex_ = 0;

  wxCheckListBox* records_ = nullptr;
  wxSpinCtrl* startAt_ = nullptr;
  wxChoice* stock_ = nullptr;
  wxChoice* numberStyle_ = nullptr;
  wxSpinCtrlDouble* offsetX_ = nullptr;
  wxSpinCtrlDouble* offsetY_ = nullptr;
  wxSpinCtrlDouble* senderOffsetX_ = nullptr;
  wxSpinCtrlDouble* senderOffsetY_ = nullptr;
  wxCheckBox* rotate_ = nullptr;
  wxCheckBox* defaultHonorific_ = nullptr;
  wxCheckBox* omitJointFamily_ = nullptr;
  wxCheckBox* printSender_ = nullptr;
  std::vector<wxTextCtrl*> senderFields_;  // code, address 1, address 2, name, joint name
  CardPreviewPanel* preview_ = nullptr;
  wxStaticText* position_ = nullptr;
  wxScrolledWindow* settingsPanel_ = nullptr;
  wxFlexGridSizer* senderOffsets_ = nullptr;
  std::vector<wxBoxSizer*> foldingRows_;  // laid out as columns on a small screen
};

// Runs the dialog modally over `parent`.
void RunCardPrintDialog(wxWindow* parent, const CardPrintContext& context);

}  // namespace mirelon
