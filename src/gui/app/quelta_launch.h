// "Quelta 起動": the sibling program started on the book's files, the editor blocked until its
// window has gone, then the postal data looked for again and the book read again.
#pragma once

#include "gui/editor/editor_services.h"

class wxWindow;

namespace mirelon {

class AddressBook;
class ProgramSettings;
struct SiblingProgramData;

class QueltaLaunch {
 public:
  // `parent`: the editor's window, over which the chooser and the messages open.
  QueltaLaunch(wxWindow* parent, AddressBook& book, ProgramSettings& settings, SiblingProgramData& sibling);

  // Button 1172; `ctrlDown` asks for the executable again. The book read again, if it was.
  PageToShow Run(bool ctrlDown);

 private:
  // The chooser "Quelta 実行ファイルの検索"; false when cancelled. The choice is taken, and stored
  // once it has started.
  bool ChooseExecutable();

  wxWindow* parent_;
  AddressBook& book_;
  ProgramSettings& settings_;
  SiblingProgramData& sibling_;
};

}  // namespace mirelon
