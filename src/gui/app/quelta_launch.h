// "Quelta 起動": the sibling program started on the book's files, the editor blocked until its
// window has gone, then the postal data looked for again and the book read again.
#pragma once

namespace mirelon {

class AddressEditorDialog;
struct SiblingProgramData;

class QueltaLaunch {
 public:
  explicit QueltaLaunch(AddressEditorDialog& editor);

  // Button 1172; `ctrlDown` asks for the executable again.
  void Run(bool ctrlDown);

 private:
  // The chooser "Quelta 実行ファイルの検索"; false when cancelled. The choice is taken, and stored
  // once it has started.
  bool ChooseExecutable();

  AddressEditorDialog& editor_;
  SiblingProgramData& sibling_;
};

}  // namespace mirelon
