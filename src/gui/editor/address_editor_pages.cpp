// Committing and paging, the honorific lists, the send state, the derived labels and enabling,
// showing a book changed elsewhere, and the buttons and menu items handed to the services.
#include <algorithm>

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/spinbutt.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "appcore/app_state.h"
#include "appcore/program_settings.h"
#include "appcore/sibling_program.h"
#include "book/honorific_list.h"
#include "gui/editor/address_editor_dialog.h"
#include "gui/editor/editor_services.h"
#include "gui/kit/dialog_background.h"
#include "gui/kit/message_box.h"
#include "gui/kit/template_dialog.h"
#include "gui/kit/wx_text.h"
#include "res/editor_tooltips.h"
#include "text/cp932.h"
#include "text/sjis.h"

namespace mirelon {

using namespace literals;
using namespace res;

namespace {

// A registration name of half-width and full-width blanks only is no name.
bool IsBlankName(std::string_view name) { return TrimmedBlanks(name).empty(); }

}  // namespace

int AddressEditorDialog::CommitPage(int page) {
  // A rename is followed once: a later commit that moves nothing lets the editor go where asked.
  commitRenamed_ = false;
  const int count = book_.recordCount();
  if (page < 1 || page > count + 1 || !pageModified_) return page;
  pageModified_ = false;
  if (!exchange_.Pull()) {
    // A field the book cannot hold: the page keeps its edits and stays on display.
    pageModified_ = true;
    return kCommitInvalid;
  }
  if (IsBlankName(members_.registrationName)) {
    ShowMessageBox("登録名を入力してください"_sjis);
    return kCommitRefused;
  }

  AddressRecord record = book_.PageBase(page, members_.registrationName);
  CollectPage(record);
  const PageCommit commit = book_.CommitPage(page, record);
  if (commit.page == 0) return kCommitRefused;  // the full book refused it, with its message
  ForgetHistoryBases();
  if (!commit.inserted) return page;
  if (page > count) {
    UpdatePageSpin();
    UpdateLabels();
    UpdateEnabling();
  }
  // The spin steps on from where the record now lives, whatever page the caller shows next.
  SyncPageSpin(commit.page);
  if (commit.renamed) {
    members_.registrationName = book_.record(commit.page - 1).registrationName;
    commitRenamed_ = true;
  }
  return commit.page;
}

void AddressEditorDialog::MarkModified() {
  pageModified_ = true;
  if (!book_.modified) {
    book_.modified = true;
    UpdateLaunchButton();
  }
}

void AddressEditorDialog::ConfirmPageNumber() {
  if (suppressPageEdit_ || book_.currentPage == 0 || confirmingPage_) return;
  if (window_->Control<wxTextCtrl>(kIdPageNumber).GetValue() == wxString::Format("%d", book_.currentPage)) return;
  // The message of an invalid number takes the focus away from the field: that is no second
  // confirmation.
  confirmingPage_ = true;
  const int shown = book_.currentPage;
  const bool valid = exchange_.PullOne(kIdPageNumber);
  const int requested = book_.currentPage;
  book_.currentPage = shown;
  exchange_.PushOne(kIdPageNumber);
  // An invalid number has had its message: the page on display stays, with its edits.
  if (valid) GoToPage(requested);
  confirmingPage_ = false;
}

void AddressEditorDialog::GoToPage(int requested) {
  // A number typed into the page field but not confirmed is not the page on display.
  exchange_.PushOne(kIdPageNumber);
  const int shown = book_.currentPage;
  int committed = CommitPage(shown);
  if (committed == kCommitInvalid) return;  // the page keeps its edits and stays on display
  // A record that stayed on its page lets the editor go where it was asked; one that was renamed
  // on insertion is followed even there, so the user sees the name it was given.
  if (committed == shown && !commitRenamed_) committed = -1;
  book_.currentPage = requested;
  // A page beyond the new page shows nothing: the editor stays on the page on display, so its
  // edits are not committed into a page that does not exist.
  if (book_.currentPage > book_.recordCount() + 1) book_.currentPage = shown;
  if (committed > 0) book_.currentPage = committed;
  // The new page is an empty form: what the previous page showed must not become a new record.
  if (book_.currentPage > book_.recordCount()) {
    ShowNewPage();
  } else {
    ShowPage(book_.currentPage);
  }
  exchange_.PushOne(kIdPageNumber);
}

void AddressEditorDialog::OnPageKey(int delta) {
  exchange_.PushOne(kIdPageNumber);  // the keys step from the page on display
  if (!exchange_.Pull()) return;
  const int target = book_.currentPage + delta;
  if (target < 1 || target > book_.recordCount()) return;
  GoToPage(target);
}

void AddressEditorDialog::OnSpinStep(int delta) {
  const int target = std::clamp(book_.currentPage + delta, 1, std::max(1, book_.recordCount()));
  if (target == book_.currentPage) {
    SyncPageSpin(book_.currentPage);
    return;
  }
  GoToPage(target);
}

bool AddressEditorDialog::HasPostalText() const {
  return !members_.postalCode.empty() || !members_.address1.empty() || !members_.address2.empty();
}

void AddressEditorDialog::OnAddressTextChanged() {
  MarkModified();
  services_.ProbePostalData(sibling_);
  UpdatePostalSearchTip();
  if (sibling_.postalDataPath.empty()) return;
  // The three controls as they stand: reading every field here would report another field's
  // invalid text at each keystroke.
  bool any = false;
  for (int id : {kIdPostalCode, kIdAddress1, kIdAddress2}) any = any || !window_->Control<wxTextCtrl>(id).IsEmpty();
  window_->Control<wxButton>(kIdPostalSearch).Enable(any);
}

void AddressEditorDialog::OnHonorificTyped(int id) {
  const bool valid = exchange_.Pull();
  MarkModified();
  if (!valid) return;  // its message is out; committing would show it again
  // Without a registration name the page cannot go in yet: it is checked when it is committed,
  // not at every keystroke in the box.
  if (IsBlankName(members_.registrationName)) return;
  const int committed = CommitPage(book_.currentPage);
  if (committed >= 1) book_.currentPage = committed;
  FillHonorificLists();
  MarkModified();
  auto& combo = window_->Control<wxComboBox>(id);
  combo.SetInsertionPointEnd();
}

void AddressEditorDialog::FillHonorificLists() {
  const std::vector<std::string> items = HonorificListItems(book_);
  {
    DataExchange::Suppress suppress(exchange_);
    for (int id = kIdHonorific; id <= kIdJointHonorific3; ++id) {
      // Item by item: emptying the whole list would also empty the text being typed.
      auto& combo = window_->Control<wxComboBox>(id);
      while (combo.GetCount() > 0) combo.Delete(combo.GetCount() - 1);
      for (const std::string& item : items) combo.Append(FromCp932(item));
    }
  }
  exchange_.Push();
}

void AddressEditorDialog::OnSendStateChanged() {
  const std::string previous = members_.sendState;
  exchange_.Pull();
  if (members_.sendState == previous) return;
  if (ShowMessageBox("最新送信履歴も変更しますか？"_sjis, PromptButtons::YesNo)) {
    members_.sendMarks.back() = members_.sendState == NoSendStateText() ? book_.nonSendMark : std::string();
    exchange_.Push();
  }
  MarkModified();
}

void AddressEditorDialog::UpdateLabels() {
  const auto setLabel = [this](int id, const wxString& text) {
    wxWindow* label = window_->FindWindow(id);
    if (label->GetLabel() != text) label->SetLabel(text);
  };
  setLabel(kIdFileName, book_.file.baseName.empty() ? U8("新規ファイル") : wxString(book_.file.baseName.c_str(), wxConvFile));
  setLabel(kIdRecordCount, wxString::Format("/%d", book_.recordCount()));
  setLabel(kIdMemoTitle1, FromCp932(book_.memoTitle1));
  setLabel(kIdMemoTitle2, FromCp932(book_.memoTitle2));
  for (int column = 0; column < kHistoryColumns; ++column) {
    const int year = book_.year - (kHistoryColumns - 1) + column;
    setLabel(kIdFirstYear + column, FromCp932(YearLabel(year)));
    setLabel(kIdFirstZodiac + column, FromCp932(ZodiacSign(year)));
  }
  setLabel(kIdConversionIndicator, settings_.Switches().convHistChar ? "*" : "-");
}

void AddressEditorDialog::UpdateEnabling() {
  const int count = book_.recordCount();
  const bool any = count >= 1;
  for (int id : {kIdWriteFile, kIdOpenList, kIdDeletePage, kIdIndex}) window_->FindWindow(id)->Enable(any);
  window_->FindWindow(kIdNewPage)->Enable(count < kBookCapacity);
  for (int id : {kIdSendHistory, kIdReceiveHistory}) window_->FindWindow(id)->Enable(any && book_.currentPage <= count);
  services_.ProbePostalData(sibling_);
  window_->FindWindow(kIdPostalSearch)->Enable(!sibling_.postalDataPath.empty() && HasPostalText());
  UpdatePostalSearchTip();
}

void AddressEditorDialog::UpdatePostalSearchTip() {
  std::string_view usual;
  for (const TooltipEntry& entry : EditorTooltips()) {
    if (std::ranges::find(entry.ids, kIdPostalSearch) != entry.ids.end()) usual = entry.text;
  }
  const std::string typedCode = ToCp932(window_->Control<wxTextCtrl>(kIdPostalCode).GetValue()).bytes;
  tooltips_.Change(window_->FindWindow(kIdPostalSearch),
                   ToControlLineBreaks(U8(PostalSearchTooltip(sibling_, typedCode, usual))));
}

void AddressEditorDialog::UpdatePageSpin() {
  auto& spin = window_->Control<wxSpinButton>(kIdPageSpin);
  spin.SetRange(1, std::max(1, book_.recordCount()));
  SyncPageSpin(book_.currentPage);
  spin.Hide();
  spin.Show();
}

void AddressEditorDialog::SyncPageSpin(int page) {
  window_->Control<wxSpinButton>(kIdPageSpin).SetValue(std::clamp(page, 1, std::max(1, book_.recordCount())));
}

void AddressEditorDialog::UpdateLaunchButton() { window_->FindWindow(kIdLaunchQuelta)->Enable(!book_.modified); }

void AddressEditorDialog::ShowBook(int page) {
  book_.currentPage = page;
  if (page <= book_.recordCount()) {
    ShowPage(page);
  } else {
    ShowNewPage();
  }
  UpdatePageSpin();
  UpdateLabels();
  UpdateEnabling();
  FillHonorificLists();
  UpdateLaunchButton();
}

bool AddressEditorDialog::CommitShownPage() {
  const int committed = CommitPage(book_.currentPage);
  if (committed < 1) return false;
  book_.currentPage = committed;
  exchange_.Push();
  return true;
}

void AddressEditorDialog::OnOpenList() {
  const int committed = CommitPage(book_.currentPage);
  if (committed <= 0) return;
  book_.currentPage = committed;
  suppressPageEdit_ = true;
  const auto reopen = [this]() -> wxWindow* {
    CreateEditorWindow();
    return window_;
  };
  if (services_.OpenListWindow(reopen)) {
    DestroyEditorWindow();
  } else {
    suppressPageEdit_ = false;
  }
}

void AddressEditorDialog::OnOptions() {
  if (!CommitShownPage()) return;
  const std::string colour = ReadBackgroundSetting(settings_.Store());
  const int year = book_.year;
  services_.RunOptionsDialog(window_);
  if (ReadBackgroundSetting(settings_.Store()) != colour) {
    ApplyDialogColour(settings_.Store());
    window_->Refresh();
  }
  tooltips_.Activate(settings_.Switches().toolTipCtrl);
  UpdateLabels();
  UpdateLaunchButton();
  if (book_.year != year && book_.currentPage <= book_.recordCount()) {
    const AddressRecord& record = book_.record(book_.currentPage - 1);
    members_.sendMarks = SplitHistoryCells(record.sendHistory);
    members_.receiveMarks = SplitHistoryCells(record.receiveHistory);
    ForgetHistoryBases();
    exchange_.Push();
  }
}

void AddressEditorDialog::OnIndex() {
  const int committed = CommitPage(book_.currentPage);
  if (committed < 1) return;
  book_.currentPage = committed;
  services_.RunIndexDialog(window_, sibling_);  // a chosen record becomes the book's current page
  ShowPage(book_.currentPage);
}

void AddressEditorDialog::OnWriteFile() {
  if (!CommitShownPage()) return;
  services_.WriteFile(window_);
  // A first write names the book; a write that went through leaves nothing unsaved.
  UpdateLabels();
  UpdateLaunchButton();
}

void AddressEditorDialog::OnLaunchQuelta() {
  if (const PageToShow page = services_.LaunchQuelta(window_, sibling_, wxGetKeyState(WXK_CONTROL))) ShowBook(*page);
  UpdateEnabling();  // the program may have installed its postal data meanwhile
}

void AddressEditorDialog::OnPostalSearch() {
  if (!exchange_.Pull()) return;
  if (const std::optional<FoundFields> found = services_.PostalSearch(members_, sibling_)) ApplyFields(*found);
}

void AddressEditorDialog::OnImportContacts() {
  if (!CommitShownPage()) return;
  if (const PageToShow page = services_.ImportContacts(window_)) ShowBook(*page);
}

void AddressEditorDialog::OnExportContacts() {
  if (CommitShownPage()) services_.ExportContacts(window_);
}

}  // namespace mirelon
