#include "gui/list/mirelon_doc.h"

#include <wx/filefn.h>
#include <wx/msgdlg.h>

#include "book/safe_file.h"
#include "gui/kit/file_chooser.h"
#include "gui/kit/message_box.h"
#include "gui/kit/wx_text.h"
#include "gui/list/mirelon_view.h"
#include "res/list_resources.h"

namespace mirelon {

wxIMPLEMENT_DYNAMIC_CLASS(CMirelonDoc, wxDocument);

namespace {

// Far above any list of a full book (1000 records of three 999-cell lines are about 3 MB).
constexpr size_t kMaxListTextSize = 64 * 1024 * 1024;

}  // namespace

CMirelonView* CMirelonDoc::View() const { return static_cast<CMirelonView*>(GetFirstView()); }

bool CMirelonDoc::OnNewDocument() {
  if (!wxDocument::OnNewDocument()) return false;
  View()->Rebuild();
  return true;
}

bool CMirelonDoc::SaveAs() {
  FileChooserDialog dialog(GetDocumentWindow(), U8("名前を付けて保存"), wxString(), wxString(), U8(res::kListTextFilter),
                           wxFD_SAVE);
  if (dialog.ShowModal() != wxID_OK) return false;
  wxString path = dialog.GetPath();
  if (ToPath(path).extension().empty()) path += ".txt";
  // Asked here about the name that is written, its extension added, with いいえ for Return.
  if (wxFileExists(path) &&
      !ShowMessageBoxText(path + U8("\nは既に存在します。\n上書きしますか？"), PromptButtons::YesNoDefaultNo)) {
    return false;
  }
  return OnSaveDocument(path);
}

bool CMirelonDoc::OnSaveModified() {
  if (!IsModified()) return true;
  wxMessageDialog question(GetDocumentWindow(), GetUserReadableName() + U8(" への変更を保存しますか?"), U8("Mirelon"),
                           wxYES_NO | wxCANCEL | wxICON_EXCLAMATION);
  question.SetYesNoCancelLabels(U8("はい(&Y)"), U8("いいえ(&N)"), U8("キャンセル"));
  switch (question.ShowModal()) {
    case wxID_YES:
      return Save();
    case wxID_NO:
      Modify(false);
      return true;
    default:
      return false;
  }
}

bool CMirelonDoc::DoSaveDocument(const wxString& file) {
  const Cp932FromControl text = ToCp932(ToMemberLineBreaks(View()->Text()));
  if (!text.ok) {
    ShowMessageBoxText(wxString::Format(U8("一覧表に Shift-JIS で表せない文字「%s」があるので保存できません。"),
                                        text.unmappable));
    return false;
  }
  if (ReplaceFile(ToPath(file), text.bytes) != FileIoResult::Done) {
    ShowMessageBoxText(file + U8("\nファイルに書き込めません。"));
    return false;
  }
  return true;
}

bool CanReadListText(const wxString& file) {
  std::string bytes;
  if (ReadWholeFile(ToPath(file), kMaxListTextSize, bytes) != FileIoResult::Done) {
    ShowMessageBoxText(file + U8("\nファイルを読み込めません。"));
    return false;
  }
  return true;
}

}  // namespace mirelon
