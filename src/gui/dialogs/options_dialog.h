// "ｵﾌﾟｼｮﾝ操作": the yearly history update and the import file act at once on their buttons; the
// two switches are stored the moment they are clicked; the non-send mark, memo titles and notes
// go into the book, and the colour into the settings, only on OK.
#pragma once

#include <string>

#include <wx/colour.h>

#include "gui/kit/data_exchange.h"
#include "gui/kit/template_dialog.h"
#include "gui/kit/tooltip_set.h"

namespace mirelon {

class AddressBook;
class ProgramSettings;

class OptionsDialog final : public TemplateDialog {
 public:
  OptionsDialog(wxWindow* parent, AddressBook& book, ProgramSettings& settings);

 protected:
  void OnOk() override;

 private:
  void AddTooltips();
  void OnAdvanceYear();
  void OnWriteImportFile();
  void OnChooseColour();
  void UpdateYearButton();
  // The dialog and its static texts in the colour of the colour text (the platform's button face
  // for "0 0 0"); edits and buttons keep the platform's colours.
  void PaintBackground();

  AddressBook& book_;
  ProgramSettings& settings_;
  DataExchange exchange_;
  std::string notes_;
  std::string memoTitle1_;
  std::string memoTitle2_;
  std::string nonSendMark_;
  std::string colourText_;
  // The book's texts as they were when the dialog opened, for the change test on OK.
  const std::string originalNotes_;
  const std::string originalMemoTitle1_;
  const std::string originalMemoTitle2_;
  const std::string originalNonSendMark_;
  TooltipSet tooltips_;
};

}  // namespace mirelon
