// "ファイル読込" and "ファイル書込": the book between memory and its family of CSV files, with the
// questions, the file choosers, the merge window and the refresh of the editor around the core's
// reading and writing. Messages of the core go through the book's prompt.
#pragma once

#include <filesystem>
#include <optional>

namespace mirelon {

class AddressBook;
class AddressEditorDialog;

class FileFlows {
 public:
  explicit FileFlows(AddressEditorDialog& editor);

  void ReadFile();   // button 1001
  void WriteFile();  // button 1002

 private:
  enum class Chooser { Open, Save };
  std::optional<std::filesystem::path> ChooseFile(Chooser chooser);
  // A first write under a chosen name replaces the family's files: each one that exists is named.
  bool ConfirmReplacingFamily(const std::filesystem::path& chosen);
  void ShowReadBook();

  AddressEditorDialog& editor_;
  AddressBook& book_;
};

}  // namespace mirelon
