// "ファイル読込" and "ファイル書込": the book between memory and its family of CSV files, with the
// questions, the file choosers and the merge window around the core's reading and writing, and the
// reading again after the sibling program. A book read is answered as the page to show; messages of
// the core go through the book's prompt.
#pragma once

#include <filesystem>
#include <optional>

#include "gui/editor/editor_services.h"

class wxWindow;

namespace mirelon {

class AddressBook;
class ProgramSettings;

class FileFlows {
 public:
  // `parent`: the editor's window, over which the choosers and the merge window open.
  FileFlows(wxWindow* parent, AddressBook& book, ProgramSettings& settings);

  PageToShow ReadFile();  // button 1001
  // Button 1002, the page on display committed; after a failure, the save chooser is offered.
  void WriteFile();
  // After the sibling program, which works on the same files, has ended: the book read again from
  // its family, on the page on display while the book still has it. A book read from an import
  // file only is left alone. "ファイルが見つかりません" when the family has gone.
  PageToShow ReloadAfterQuelta();

 private:
  enum class Chooser { Open, Save };
  std::optional<std::filesystem::path> ChooseFile(Chooser chooser);
  // The save chooser until the book is written under the name chosen there or the user gives up;
  // the book then belongs to the files written, as after a first save.
  void SaveUnderChosenName();
  // A first write under a chosen name replaces the family's files: each one that exists is named.
  bool ConfirmReplacingFamily(const std::filesystem::path& chosen);

  wxWindow* parent_;
  AddressBook& book_;
  ProgramSettings& settings_;
};

}  // namespace mirelon
