// The address editor as its file and option commands see it: the page operations they call and
// the window they belong to. The editor implements it; tests give a small stand-in.
#pragma once

class wxWindow;

namespace mirelon {

class EditorOperations {
 public:
  virtual ~EditorOperations() = default;

  // Parent of the commands' dialogs.
  virtual wxWindow* Window() = 0;

  // The editor's page on display (count + 1 is the new page).
  virtual int CurrentPage() const = 0;
  virtual void SetCurrentPage(int page) = 0;
  // Writes the shown page back into the book: the page the record now lives on, the page itself
  // when nothing had to be written, -1 when the page was refused.
  virtual int CommitPage(int page) = 0;
  virtual void ShowPage(int page) = 0;
  // Empties the form as the new-page command does, without committing anything.
  virtual void ClearPage() = 0;
  virtual void PushMembers() = 0;
  // Splits the histories of the record on display into the mark fields again (after the book's
  // year moved); nothing happens on the new page.
  virtual void ResplitHistories() = 0;

  virtual void UpdateLabels() = 0;
  virtual void UpdateEnabling() = 0;
  virtual void FillHonorificLists() = 0;
  // The page spin: range 1..count (1..1 for an empty book), at the current page, redrawn.
  virtual void UpdatePageSpin() = 0;
  // The launch button: enabled exactly while the book has no unwritten changes.
  virtual void UpdateLaunchButton() = 0;
  virtual void ActivateTooltips(bool on) = 0;
};

}  // namespace mirelon
