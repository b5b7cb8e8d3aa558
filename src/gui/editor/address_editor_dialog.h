// The address editor: the program's main window, one record of the book per page. The object
// lives for the whole run; its window is created at start-up, destroyed while the list window is
// the main window, and created again afterwards. Edits stay in the members below until the page
// is committed (CommitPage), which writes them back into the book. What a service did comes back
// as its answer, which the editor shows through ShowBook or ApplyFields.
//   address_editor_dialog.cpp   window, events, keys, exit, window menu (contacts, version box)
//   address_editor_exchange.cpp members ⇄ controls and records, ShowPage, CollectPage, ApplyFields
//   address_editor_pages.cpp    commit, paging, honorifics, send state, labels, enabling,
//                               ShowBook, the buttons and menu items handed to the services
//   address_editor_commands.cpp new, copy, paste, delete, history dialogs, marks, indicator
#pragma once

#include <optional>
#include <string>

#include "appcore/sibling_program_data.h"
#include "gui/editor/page_members.h"
#include "gui/kit/data_exchange.h"
#include "gui/kit/tooltip_set.h"

class wxCommandEvent;
class wxFocusEvent;
class wxKeyEvent;

namespace mirelon {

struct AppState;
class EditorServices;
class AddressBook;
class AddressRecord;
class ExplanationPanel;
class ProgramSettings;
class TemplateDialog;
struct FoundFields;

class AddressEditorDialog {
 public:
  // CommitPage's answers when the page cannot be written: a blank registration name (its edits
  // are dropped by navigation), or a control that failed validation (its edits stay on display).
  static constexpr int kCommitRefused = -1;
  static constexpr int kCommitInvalid = -2;

  AddressEditorDialog(AppState& app, EditorServices& services);
  ~AddressEditorDialog();
  AddressEditorDialog(const AddressEditorDialog&) = delete;
  AddressEditorDialog& operator=(const AddressEditorDialog&) = delete;

  // The window: created from the template chosen at start-up, with no parent.
  void CreateEditorWindow();
  // Before the list window takes over: page-number notifications stop, the window goes.
  void DestroyEditorWindow();
  TemplateDialog* Window() const { return window_; }

  // The page on display is the book's own current page.
  int CurrentPage() const;
  void SetCurrentPage(int page);
  bool PageModified() const { return pageModified_; }
  // The sibling program's executable and the postal data found, as the sibling's flow updates them.
  SiblingProgramData& Sibling() { return sibling_; }
  const SiblingProgramData& Sibling() const { return sibling_; }

  // Shows record `page` (1-based) in the members and controls; other pages are ignored.
  void ShowPage(int page);
  // The buttons and the postal search's tooltip as the book and the postal data now allow.
  void UpdateEnabling();

 private:
  // What a service answered: a book read or changed elsewhere, shown from `page` on (beyond its
  // records: the empty new page, and nothing of the old form goes into the book) with everything
  // derived from the book; the texts found for the page's fields, written into them as an edit.
  void ShowBook(int page);
  void ApplyFields(const FoundFields& found);
  // Writes page `page` back into the book. Returns the page the record now lives on, `page` when
  // nothing had to be written, or -1 when the registration name is blank.
  int CommitPage(int page);
  // The members except the registration name into `record`.
  void CollectPage(AddressRecord& record) const;
  void MarkModified();
  void UpdateLabels();
  void FillHonorificLists();
  // Spin range 1..count (1..1 when empty) at currentPage.
  void UpdatePageSpin();
  // Spin position `page`, within its range.
  void SyncPageSpin(int page);
  // Button 1172 on exactly while the book has no unsaved change.
  void UpdateLaunchButton();
  // The new-page command: commits, then shows an empty form as page count + 1.
  void NewPage();
  // The empty form as page count + 1 without committing (after reading a book without records).
  void ShowNewPage();

  void BindMembers();
  void InitialiseWindow();
  void BindEvents();
  void RegisterTooltips();
  void ShowRecordInMembers(const AddressRecord& record);
  void ClearMembers();
  void ForgetHistoryBases();

  // Events.
  void OnCancel();
  void OnCharHook(wxKeyEvent& event);
  // The page field is read when the user confirms it (Return, or the focus leaves it), once.
  void ConfirmPageNumber();
  void OnPageFieldLeft(wxFocusEvent& event);
  // Commits the page on display, then shows page `requested` (or where the committed record went).
  void GoToPage(int requested);
  void OnPageKey(int delta);
  void OnSpinStep(int delta);
  void OnAddressTextChanged();
  void OnHonorificTyped(int id);
  void OnSendStateChanged();
  // Commits the page on display and shows it again; false when it cannot be (its message is out).
  bool CommitShownPage();
  void OnOpenList();
  void OnOptions();
  void OnIndex();
  void OnWriteFile();
  void OnLaunchQuelta();
  void OnPostalSearch();
  void OnImportContacts();
  void OnExportContacts();
  void OnCommand(int id);
  void ShowWindowMenu();

  // Record commands.
  void OnNewButton();
  void CopyPageToClipboard();
  void PasteFromClipboard();
  void OnDelete();
  void OnHistoryButton(int kind);
  void OnMarkTyped(int id);
  void OnIndicatorClick();
  void ToggleConversion();
  void HideExplanation();

  // 〒検索 says why it cannot search, or that a short code sends it to the address.
  void UpdatePostalSearchTip();
  std::string* MarkMember(int id);
  bool HasPostalText() const;

  AppState& app_;
  EditorServices& services_;
  ProgramSettings& settings_;
  AddressBook& book_;
  PageMembers members_;
  // A history edited freely in the history dialog, the base of the five columns at the next
  // commit (so marks inserted or removed before the columns stay in year order).
  std::optional<std::string> sendHistoryBase_, receiveHistoryBase_;
  bool pageModified_ = false;
  // The last commit that inserted a record had to give it another name.
  bool commitRenamed_ = false;
  bool suppressPageEdit_ = true;
  bool confirmingPage_ = false;
  SiblingProgramData sibling_;
  DataExchange exchange_;
  TooltipSet tooltips_;
  TemplateDialog* window_ = nullptr;
  ExplanationPanel* explanation_ = nullptr;
};

}  // namespace mirelon
