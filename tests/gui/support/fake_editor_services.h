// The editor's services as the GUI tests see them: every call is recorded by name, and a test may
// give a call the behaviour it needs (by default nothing happens and the answers are empty).
#pragma once

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "gui/editor/editor_services.h"

namespace mirelon::test {

class FakeEditorServices final : public EditorServices {
 public:
  std::vector<std::string> calls;
  std::function<PageToShow(wxWindow*)> readFile;
  std::function<void(wxWindow*)> writeFile;
  std::function<bool()> openList;
  std::function<void(wxWindow*)> options;
  std::function<bool(const SiblingProgramData&)> index;
  std::function<void(SiblingProgramData&)> probe;
  std::function<PageToShow(wxWindow*, SiblingProgramData&, bool)> launchQuelta;
  std::function<std::optional<FoundFields>(const PageMembers&, const SiblingProgramData&)> postalSearch;
  std::function<PageToShow(wxWindow*)> importContacts;
  std::function<void(wxWindow*)> exportContacts;

  PageToShow ReadFile(wxWindow* parent) override { return Call("ReadFile", readFile, parent); }
  void WriteFile(wxWindow* parent) override { Call("WriteFile", writeFile, parent); }
  bool OpenListWindow(std::function<wxWindow*()>) override { return Call("OpenListWindow", openList); }
  void RunOptionsDialog(wxWindow* parent) override { Call("RunOptionsDialog", options, parent); }
  bool RunIndexDialog(wxWindow*, const SiblingProgramData& sibling) override {
    return Call("RunIndexDialog", index, sibling);
  }
  PageToShow LaunchQuelta(wxWindow* parent, SiblingProgramData& sibling, bool ctrlDown) override {
    return Call(ctrlDown ? "LaunchQuelta+Ctrl" : "LaunchQuelta", launchQuelta, parent, sibling, ctrlDown);
  }
  void OpenHelp() override { calls.push_back("OpenHelp"); }
  std::optional<FoundFields> PostalSearch(const PageMembers& page, const SiblingProgramData& sibling) override {
    return Call("PostalSearch", postalSearch, page, sibling);
  }
  PageToShow ImportContacts(wxWindow* parent) override { return Call("ImportContacts", importContacts, parent); }
  void ExportContacts(wxWindow* parent) override { Call("ExportContacts", exportContacts, parent); }
  void ReadQueltaPath(SiblingProgramData&) override { calls.push_back("ReadQueltaPath"); }
  void ProbePostalData(SiblingProgramData& sibling) override {
    if (probe) probe(sibling);
  }

 private:
  // Records `name`, then runs `hook` when the test gave one.
  template <typename Result, typename... Params, typename... Args>
  Result Call(const char* name, const std::function<Result(Params...)>& hook, Args&&... args) {
    calls.push_back(name);
    if constexpr (std::is_void_v<Result>) {
      if (hook) hook(std::forward<Args>(args)...);
    } else {
      return hook ? hook(std::forward<Args>(args)...) : Result{};
    }
  }
};

}  // namespace mirelon::test
