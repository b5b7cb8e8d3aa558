// A stand-in for the address editor in the tests of its file and option commands: it records
// the operations the commands call, in order, and answers CommitPage as told.
#pragma once

#include <string>
#include <vector>

#include <wx/frame.h>

#include "app/editor_operations.h"
#include "book/address_book.h"

namespace mirelon::test {

class FakeEditor final : public EditorOperations {
 public:
  explicit FakeEditor(AddressBook& book) : book_(book), window_(new wxFrame(nullptr, wxID_ANY, "editor")) {}
  ~FakeEditor() override { window_->Destroy(); }
  FakeEditor(const FakeEditor&) = delete;
  FakeEditor& operator=(const FakeEditor&) = delete;

  wxWindow* Window() override { return window_; }
  int CurrentPage() const override { return currentPage; }
  void SetCurrentPage(int page) override { currentPage = page; }
  int CommitPage(int page) override {
    calls.push_back("CommitPage " + std::to_string(page));
    return commitAnswer != 0 ? commitAnswer : page;
  }
  void ShowPage(int page) override { calls.push_back("ShowPage " + std::to_string(page)); }
  void ClearPage() override { calls.push_back("ClearPage"); }
  void PushMembers() override { calls.push_back("PushMembers"); }
  void ResplitHistories() override { calls.push_back("ResplitHistories"); }
  void UpdateLabels() override { calls.push_back("UpdateLabels"); }
  void UpdateEnabling() override { calls.push_back("UpdateEnabling"); }
  void FillHonorificLists() override { calls.push_back("FillHonorificLists"); }
  void UpdatePageSpin() override { calls.push_back("UpdatePageSpin"); }
  void UpdateLaunchButton() override {
    calls.push_back("UpdateLaunchButton");
    launchEnabled = !book_.modified;
  }
  void ActivateTooltips(bool on) override { calls.push_back(on ? "ActivateTooltips on" : "ActivateTooltips off"); }

  int currentPage = 1;
  int commitAnswer = 0;  // 0: the page itself
  bool launchEnabled = true;
  std::vector<std::string> calls;

 private:
  AddressBook& book_;
  wxFrame* window_;
};

}  // namespace mirelon::test
