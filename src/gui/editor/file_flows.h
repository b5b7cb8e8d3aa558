// "ファイル読込" and "ファイル書込": the book between memory and its family of CSV files, with the
// questions, the file choosers, the merge window and the refresh of the editor around the core's
// reading and writing, and the reading again after the sibling program. Messages of the core go through the book's prompt.
#pragma once

#include <filesystem>
#include <optional>

namespace mirelon {

class AddressBook;
class AddressEditorDialog;
class ProgramSettings;

class FileFlows {
 public:
  FileFlows(AddressEditorDialog& editor, ProgramSettings& settings);

  void ReadFile();   // button 1001
  void WriteFile();  // button 1002; after a failure, the save chooser is offered
  // After the sibling program, which works on the same files, has ended: the book read again from
  // its family, the editor kept on its page while the book still has it. A book read from an
  // import file only is left alone. "ファイルが見つかりません" when the family has gone.
  void ReloadAfterQuelta();

 private:
  enum class Chooser { Open, Save };
  std::optional<std::filesystem::path> ChooseFile(Chooser chooser);
  // The save chooser until the book is written under the name chosen there or the user gives up;
  // the book then belongs to the files written, as after a first save.
  void SaveUnderChosenName();
  // A first write under a chosen name replaces the family's files: each one that exists is named.
  bool ConfirmReplacingFamily(const std::filesystem::path& chosen);
  // The book just read on `page`, or on an empty new page when it has no records.
  void ShowReadBook(int page);

  AddressEditorDialog& editor_;
  AddressBook& book_;
  ProgramSettings& settings_;
};

}  // namespace mirelon
