// The editor's services as the GUI tests see them: every call is recorded by name, and a test may
// give a call the behaviour it needs (by default nothing happens and the answers are false).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "gui/editor/editor_services.h"

namespace mirelon::test {

class FakeEditorServices final : public EditorServices {
 public:
  std::vector<std::string> calls;
  std::function<bool()> openList;
  std::function<void(wxWindow*)> options;
  std::function<bool(const SiblingProgramData&)> index;
  std::function<void(SiblingProgramData&)> probe;
  std::function<void(AddressEditorDialog&)> postalSearch;

  void ReadFile(AddressEditorDialog&) override { calls.push_back("ReadFile"); }
  void WriteFile(AddressEditorDialog&) override { calls.push_back("WriteFile"); }
  bool OpenListWindow(AddressEditorDialog&) override {
    calls.push_back("OpenListWindow");
    return openList && openList();
  }
  void RunOptionsDialog(wxWindow* parent) override {
    calls.push_back("RunOptionsDialog");
    if (options) options(parent);
  }
  bool RunIndexDialog(wxWindow*, const SiblingProgramData& sibling) override {
    calls.push_back("RunIndexDialog");
    return index && index(sibling);
  }
  void LaunchQuelta(AddressEditorDialog&, bool ctrlDown) override {
    calls.push_back(ctrlDown ? "LaunchQuelta+Ctrl" : "LaunchQuelta");
  }
  void OpenHelp(AddressEditorDialog&) override { calls.push_back("OpenHelp"); }
  void PostalSearch(AddressEditorDialog& editor) override {
    calls.push_back("PostalSearch");
    if (postalSearch) postalSearch(editor);
  }
  void ImportContacts(AddressEditorDialog&) override { calls.push_back("ImportContacts"); }
  void ExportContacts(AddressEditorDialog&) override { calls.push_back("ExportContacts"); }
  void ReadQueltaPath(SiblingProgramData&) override { calls.push_back("ReadQueltaPath"); }
  void ProbePostalData(SiblingProgramData& sibling) override {
    if (probe) probe(sibling);
  }
};

}  // namespace mirelon::test
