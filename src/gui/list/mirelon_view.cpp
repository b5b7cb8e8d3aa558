#include "gui/list/mirelon_view.h"

#include <optional>

#include <wx/clipbrd.h>
#include <wx/textctrl.h>

#include "appcore/program_settings.h"
#include "gui/kit/file_chooser.h"
#include "gui/kit/message_box.h"
#include "gui/kit/dialog_font.h"
#include "gui/kit/print_setup.h"
#include "gui/kit/wx_text.h"
#include "gui/list/display_format_dialog.h"
#include "gui/list/list_printout.h"
#include "gui/list/main_frame.h"
#include "list/display_format_file.h"
#include "list/display_format_settings.h"
#include "list/list_status_text.h"
#include "list/list_text_builder.h"
#include "platform/user_folders.h"
#include "res/dialog_template.h"

namespace mirelon {
namespace {

constexpr int kListFontPoints = 10;
constexpr const char* kFormatFilter = "設定ﾊﾞｲﾅﾘﾌｧｲﾙ (*.dat)|*.dat";

std::optional<std::filesystem::path> ChooseFormatFile(wxWindow* parent, const SettingsStore& settings, bool open) {
  const wxString folder = FromPath(DisplayFormatFileFolder(settings, ProgramExecutablePath()));
  FileChooserDialog dialog(parent, U8(open ? "表示書式の読み込み" : "表示書式の保存"), folder, wxString(), U8(kFormatFilter),
                           open ? wxFD_OPEN : (wxFD_SAVE | wxFD_OVERWRITE_PROMPT));
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  std::filesystem::path path = ToPath(dialog.GetPath());
  if (!path.has_extension()) path += ".dat";
  return path;
}

// The list lines its columns up in half-width cells, and a double-byte character must take exactly
// two. The toolkit rounds each glyph's advance to whole pixels: where the font's em is an odd
// number of pixels (10 points at 96 dpi are 13.3), a half-width character takes 7 pixels and a
// double-byte one 13, and each column after mixed text drifts by the count of half-width characters
// before it. The pixel size nearest the nominal one at which the widths agree is taken.
wxFont CellExactFont(const wxWindow& window) {
  wxFont font(wxFontInfo(kListFontPoints).FaceName(DialogFaceName(res::kFixedFace)).Family(wxFONTFAMILY_TELETYPE));
  const int nominal = std::max(1, (kListFontPoints * window.GetDPI().y + 36) / 72);
  const auto width = [&window](const wxString& text, const wxFont& candidate) {
    int x = 0, y = 0;
    window.GetTextExtent(text, &x, &y, nullptr, nullptr, &candidate);
    return x;
  };
  const auto exact = [&width](const wxFont& candidate) {
    const int eight = width(wxString('0', 8), candidate);
    return eight > 0 && eight == 8 * width("0", candidate) && eight == width(wxString(wxUniChar(0x3042), 4), candidate);
  };
  for (int step = 0; step <= 4; ++step) {
    for (const int pixels : {nominal + step, nominal - step}) {
      wxFont candidate = font;
      candidate.SetPixelSize(wxSize(0, std::max(1, pixels)));
      if (exact(candidate)) return candidate;
    }
  }
  return font;
}

}  // namespace

CMirelonView::CMirelonView(const ListWindowContext& context, CMainFrame& frame)
    : context_(context),
      frame_(frame),
      font_(CellExactFont(frame)) {
  LoadListSettings(context_.settings, format_, wordWrap_);
}

CMirelonView::~CMirelonView() {
  StoreListSettings(context_.settings, format_, wordWrap_);
  frame_.SetEdit(nullptr);
  if (edit_ != nullptr) edit_->Destroy();
}

bool CMirelonView::OnCreate(wxDocument* doc, long flags) {
  if (!wxView::OnCreate(doc, flags)) return false;
  SetFrame(&frame_);
  CreateEdit();
  Activate(true);
  return true;
}

void CMirelonView::CreateEdit() {
  wxTextCtrl* old = edit_;
  const long wrap = wordWrap_ ? wxTE_CHARWRAP : (wxTE_DONTWRAP | wxHSCROLL);
  edit_ = new wxTextCtrl(&frame_, wxID_ANY, wxString(), old ? old->GetPosition() : wxDefaultPosition,
                         old ? old->GetSize() : frame_.GetClientSize(), wxTE_MULTILINE | wxTE_NOHIDESEL | wrap);
  edit_->SetFont(font_);
  if (old != nullptr) {
    edit_->ChangeValue(old->GetValue());
    old->Destroy();
  }
  edit_->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { OnTextEdited(); });
  frame_.SetEdit(edit_);
  edit_->SetFocus();
}

void CMirelonView::Rebuild() {
  SetText(ToControlLineBreaks(FromCp932(BuildListText(context_.book, format_))));
  hasUndo_ = false;
  GetDocument()->Modify(false);
  frame_.ShowStatus(FromCp932(ListStatusText(format_)));
}

wxString CMirelonView::Text() const { return edit_->GetValue(); }

void CMirelonView::SetText(const wxString& text) {
  edit_->ChangeValue(text);
  shownText_ = text;
}

void CMirelonView::OnTextEdited() {
  undoText_ = shownText_;
  shownText_ = edit_->GetValue();
  hasUndo_ = true;
  GetDocument()->Modify(true);
}

void CMirelonView::Undo() {
  if (!hasUndo_) return;
  const wxString redo = shownText_;
  const long caret = edit_->GetInsertionPoint();
  SetText(undoText_);
  undoText_ = redo;
  edit_->SetInsertionPoint(std::min(caret, edit_->GetLastPosition()));
  GetDocument()->Modify(true);
}

void CMirelonView::CopyList() {
  long from = 0, to = 0;
  edit_->GetSelection(&from, &to);
  const wxString text = from != to ? edit_->GetStringSelection() : edit_->GetValue();
  wxClipboardLocker locker;
  if (!locker) return;
  wxTheClipboard->SetData(new wxTextDataObject(text));
}

void CMirelonView::ToggleWordWrap() {
  wordWrap_ = !wordWrap_;
  CreateEdit();
}

void CMirelonView::RunFormatDialog() {
  DisplayFormatDialog dialog(&frame_, format_, context_.book);
  if (dialog.ShowModal() == wxID_OK) Rebuild();
}

void CMirelonView::LoadFormatFile() {
  const auto path = ChooseFormatFile(&frame_, context_.settings, true);
  if (!path) return;
  MessageBoxPrompt prompt;
  if (LoadDisplayFormatFile(*path, format_, prompt, context_.settings)) Rebuild();
}

void CMirelonView::SaveFormatFile() {
  const auto path = ChooseFormatFile(&frame_, context_.settings, false);
  if (!path) return;
  MessageBoxPrompt prompt;
  SaveDisplayFormatFile(*path, format_, prompt, context_.settings);
}

wxPrintout* CMirelonView::OnCreatePrintout() {
  const Cp932FromControl text = ToCp932(ToMemberLineBreaks(Text()));
  return new ListPrintout(text.bytes, font_, wordWrap_, context_.printSetup.PageSetup());
}

void CMirelonView::Print() { context_.printSetup.Print(&frame_, OnCreatePrintout()); }

void CMirelonView::Preview() {
  context_.printSetup.Preview(&frame_, OnCreatePrintout(), OnCreatePrintout(), U8("Mirelon - 印刷ﾌﾟﾚﾋﾞｭｰ"));
}

}  // namespace mirelon
