// Record commands: new page, copy and paste through the clipboard, delete, the history dialogs,
// history mark entry with its conversion, and the "*" indicator with its explanation.
#include <algorithm>

#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/utils.h>

#include "appcore/app_state.h"
#include "appcore/program_settings.h"
#include "gui/dialogs/history_view_dialog.h"
#include "gui/editor/address_editor_dialog.h"
#include "gui/editor/explanation_panel.h"
#include "gui/kit/message_box.h"
#include "gui/kit/template_dialog.h"
#include "gui/kit/wx_text.h"
#include "text/cp932.h"

namespace mirelon {

using namespace literals;
using namespace res;

namespace {

// Commas of an import-file line: one between each two of its 24 fields.
constexpr long kImportLineCommas = AddressRecord::kFieldCount - 1;

}  // namespace

void AddressEditorDialog::OnNewButton() {
  if (!wxGetKeyState(WXK_CONTROL)) {
    NewPage();
  } else if (wxGetKeyState(WXK_SHIFT)) {
    PasteFromClipboard();
  } else {
    CopyPageToClipboard();
  }
}

void AddressEditorDialog::NewPage() {
  if (book_.recordCount() >= kBookCapacity) return;
  if (CommitPage(book_.currentPage) == kCommitInvalid) return;
  ShowNewPage();
  window_->FindWindow(kIdRegistrationName)->SetFocus();  // a new entry starts with its name
}

void AddressEditorDialog::ShowNewPage() {
  ClearMembers();
  pageModified_ = false;
  book_.currentPage = book_.recordCount() + 1;
  exchange_.Push();
  SyncPageSpin(book_.currentPage);
  UpdateEnabling();
}

void AddressEditorDialog::CopyPageToClipboard() {
  if (!exchange_.Pull()) return;
  AddressRecord record;
  record.registrationName = members_.registrationName;
  CollectPage(record);
  wxClipboardLocker clipboard;
  if (!clipboard) return;
  wxTheClipboard->SetData(new wxTextDataObject(FromCp932(record.ToCsvLine(BookFileKind::ImportFile))));
}

void AddressEditorDialog::PasteFromClipboard() {
  if (book_.currentPage <= book_.recordCount()) return;
  wxTextDataObject data;
  {
    wxClipboardLocker clipboard;
    if (!clipboard || !wxTheClipboard->IsSupported(wxDF_UNICODETEXT) || !wxTheClipboard->GetData(data)) return;
  }
  wxString text = data.GetText();
  // Text copied from elsewhere may end in a line break, which is not part of the record.
  while (text.EndsWith("\n") || text.EndsWith("\r")) text.RemoveLast();
  const Cp932FromControl line = ToCp932(text);
  if (std::count(line.bytes.begin(), line.bytes.end(), ',') < kImportLineCommas) return;
  if (!line.ok) {
    ShowMessageBoxText(wxString::Format(U8("クリップボードの内容に使用できない文字「%s」が含まれています。"),
                                        line.unmappable));
    return;
  }
  AddressRecord record;
  record.FromCsvLine(line.bytes, BookFileKind::ImportFile);
  ShowRecordInMembers(record);
  exchange_.Push();
  MarkModified();
  UpdateEnabling();
}

void AddressEditorDialog::OnDelete() {
  if (book_.currentPage <= book_.recordCount()) {
    const std::string question =
        "このページを削除します"_sjis + "\r\n\"" + book_.record(book_.currentPage - 1).registrationName + "\"";
    if (!ShowMessageBox(question, PromptButtons::OkCancelDefaultCancel)) return;
    book_.DeleteRecord(book_.currentPage - 1);
    book_.modified = true;
    UpdateLaunchButton();
    if (book_.currentPage > book_.recordCount()) --book_.currentPage;
  } else {
    book_.currentPage = book_.recordCount();
  }
  // The page's unsaved edits go with it, a deleted record's as an abandoned new entry's;
  // otherwise the new page that follows in an empty book would commit them as a record.
  pageModified_ = false;
  if (book_.currentPage == 0) book_.currentPage = 1;
  ShowPage(book_.currentPage);
  UpdatePageSpin();
  UpdateLabels();
  if (book_.recordCount() > 0) {
    UpdateEnabling();
  } else {
    NewPage();
  }
}

void AddressEditorDialog::OnHistoryButton(int kind) {
  const int committed = CommitPage(book_.currentPage);
  // The new page has no record whose history could be shown.
  if (committed < 1 || committed > book_.recordCount()) return;
  book_.currentPage = committed;
  exchange_.PushOne(kIdPageNumber);
  HistoryViewDialog dialog(window_, book_, book_.currentPage, kind == 0 ? HistoryKind::Send : HistoryKind::Receive,
                           app_.dialogTextHeight, settings_.Switches().toolTipCtrl);
  dialog.ShowModal();
  const AddressRecord& record = book_.record(book_.currentPage - 1);
  const std::string& stored = kind == 0 ? record.sendHistory : record.receiveHistory;
  if (dialog.History() == stored) return;
  (kind == 0 ? members_.sendMarks : members_.receiveMarks) = SplitHistoryCells(dialog.History());
  (kind == 0 ? sendHistoryBase_ : receiveHistoryBase_) = dialog.History();
  exchange_.Push();
  MarkModified();
}

std::string* AddressEditorDialog::MarkMember(int id) {
  if (id >= kIdFirstSendMark && id < kIdFirstSendMark + kHistoryColumns) return &members_.sendMarks[id - kIdFirstSendMark];
  return &members_.receiveMarks[id - kIdFirstReceiveMark];
}

void AddressEditorDialog::OnMarkTyped(int id) {
  exchange_.Pull();
  std::string& cell = *MarkMember(id);
  if (settings_.Switches().convHistChar && cell.size() == 1) {
    cell = ConvertHistoryInput(cell, book_.nonSendMark);
    exchange_.PushOne(id);
  }
  MarkModified();
}

void AddressEditorDialog::OnIndicatorClick() {
  HideExplanation();
  if (wxGetKeyState(WXK_CONTROL)) {
    ToggleConversion();
  } else if (settings_.Switches().convHistChar) {
    explanation_->Show();
    explanation_->Raise();
  }
}

void AddressEditorDialog::ToggleConversion() {
  settings_.SetConvHistChar(!settings_.Switches().convHistChar);
  window_->FindWindow(kIdConversionIndicator)->SetLabel(settings_.Switches().convHistChar ? "*" : "-");
}

void AddressEditorDialog::HideExplanation() {
  if (explanation_ != nullptr && explanation_->IsShown()) explanation_->Hide();
}

}  // namespace mirelon
