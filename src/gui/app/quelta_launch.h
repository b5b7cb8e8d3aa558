// "Quelta 起動": the sibling program started on the book's files, the editor blocked until its
// window has gone, then the postal data looked for again and the book read again.
#pragma once

namespace mirelon {

class AddressEditorDialog;
class ProgramSettings;
struct SiblingProgramData;

class QueltaLaunch {
 public:
  QueltaLaunch(AddressEditorDialog& editor, ProgramSettings& settings);

  // Button 1172; `ctrlDown` asks for the executable again.
  void Run(bool ctrlDown);

 private:
  // The chooser "Quelta 実行ファイルの検索"; false when cancelled. The choice is taken, and stored
  // once it has started.
  bool ChooseExecutable();

  AddressEditorDialog& editor_;
  ProgramSettings& settings_;
  SiblingProgramData& sibling_;
};

}  // namespace mirelon
