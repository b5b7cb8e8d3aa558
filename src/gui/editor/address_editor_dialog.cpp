// The editor's window: creation and initialisation, event routing, keys, exit and version box.
#include "gui/editor/address_editor_dialog.h"

#include "gui/editor/editor_services.h"

#include <wx/combobox.h>
#include <wx/menu.h>
#include <wx/spinbutt.h>
#include <wx/textctrl.h>

#include "appcore/app_state.h"
#include "gui/dialogs/about_dialog.h"
#include "gui/editor/explanation_panel.h"
#include "gui/kit/app_icon.h"
#include "gui/kit/edit_menu.h"
#include "gui/kit/message_box.h"
#include "gui/kit/template_dialog.h"
#include "gui/kit/wx_text.h"
#include "res/contacts_resources.h"
#include "res/editor_tooltips.h"
#include "text/cp932.h"

namespace mirelon {

using namespace literals;
using namespace res;

namespace {

// The editor's window: Enter does nothing, and the exit button, Escape and the close box ask
// the editor first. It is the program's main window, owned by no other: a dialog made without a
// parent is otherwise given the program's top window as its owner, and when the editor comes
// back from the list window that is the list frame, which takes its owned windows with it as it
// closes.
class EditorWindow final : public TemplateDialog {
 public:
  EditorWindow(const DialogTemplate& dialogTemplate, std::function<void()> onCancel)
      : TemplateDialog(nullptr, dialogTemplate, wxDIALOG_NO_PARENT), onCancel_(std::move(onCancel)) {}

 protected:
  void OnOk() override {}
  void OnCancel() override { onCancel_(); }

 private:
  std::function<void()> onCancel_;
};

constexpr int kCommandButtons[] = {kIdOpenList,    kIdReadFile,     kIdWriteFile,   kIdOptions,
                                   kIdLaunchQuelta, kIdOnlineHelp,   kIdNewPage,     kIdDeletePage,
                                   kIdIndex,        kIdPostalSearch, kIdSendHistory, kIdReceiveHistory};

// Fields whose typing only marks the page modified.
constexpr int kPlainFields[] = {kIdRegistrationName, kIdCompany1,   kIdCompany2,   kIdPosition, kIdName,
                                kIdJointName1,       kIdJointName2, kIdJointName3, kIdPhone,    kIdFax,
                                kIdMobile,           kIdEmail,      kIdMemo1,      kIdMemo2};

}  // namespace

AddressEditorDialog::AddressEditorDialog(AppState& app, EditorServices& services)
    : app_(app), services_(services), settings_(app.settings), book_(app.book) {
  ClearMembers();
  BindMembers();
  services_.ReadQueltaPath(sibling_);
}

AddressEditorDialog::~AddressEditorDialog() {
  if (window_ != nullptr) DestroyEditorWindow();
}

void AddressEditorDialog::CreateEditorWindow() {
  window_ = new EditorWindow(EditorTemplate(app_.editorTemplate), [this] { OnCancel(); });
  explanation_ = new ExplanationPanel(window_, kIdExplanationPanel, window_->ControlRect(kIdExplanationPanel));
  explanation_->Hide();
  exchange_.Attach(window_);
  BindEvents();
  InitialiseWindow();
  window_->Show();
}

void AddressEditorDialog::DestroyEditorWindow() {
  suppressPageEdit_ = true;
  exchange_.Detach();
  tooltips_.Clear();
  // GTK moves the focus out of the page field while the window is deleted, later, when this
  // object may be gone.
  window_->FindWindow(kIdPageNumber)->Unbind(wxEVT_KILL_FOCUS, &AddressEditorDialog::OnPageFieldLeft, this);
  TemplateDialog* window = window_;
  window_ = nullptr;
  explanation_ = nullptr;
  window->Destroy();
}

int AddressEditorDialog::CurrentPage() const { return book_.currentPage; }
void AddressEditorDialog::SetCurrentPage(int page) { book_.currentPage = page; }

void AddressEditorDialog::InitialiseWindow() {
  exchange_.Push();
  window_->SetIcons(AppIcons());
  app_.dialogTextHeight = window_->GetCharHeight();
  // A book that already has its page (the list window never changes the book) shows it.
  ShowPage(book_.currentPage);
  UpdatePageSpin();
  exchange_.PushOne(kIdPageNumber);
  suppressPageEdit_ = false;
  UpdateLabels();
  UpdateEnabling();
  FillHonorificLists();
  UpdateLaunchButton();
  explanation_->SetColours(*wxBLACK, wxColour(255, 255, 225));
  explanation_->SetText(HistoryConversionExplanation());
  RegisterTooltips();
}

void AddressEditorDialog::RegisterTooltips() {
  tooltips_.Add(window_, EditorTooltips());
  UpdatePostalSearchTip();
  tooltips_.Activate(settings_.Switches().toolTipCtrl);
}

void AddressEditorDialog::BindEvents() {
  TemplateDialog& w = *window_;
  const auto userEdit = [this](auto handler) {
    return [this, handler](wxCommandEvent& event) {
      event.Skip();
      if (!exchange_.Exchanging()) handler(event);
    };
  };
  for (int id : kPlainFields) w.Bind(wxEVT_TEXT, userEdit([this](wxCommandEvent&) { MarkModified(); }), id);
  for (int id : {kIdPostalCode, kIdAddress1, kIdAddress2}) {
    w.Bind(wxEVT_TEXT, userEdit([this](wxCommandEvent&) { OnAddressTextChanged(); }), id);
  }
  for (int id = kIdHonorific; id <= kIdJointHonorific3; ++id) {
    w.Bind(wxEVT_COMBOBOX, userEdit([this](wxCommandEvent&) { MarkModified(); }), id);
    // After the keystroke has settled: the handler refills this very combo box. GTK reports a
    // pick from the list as new text too, with the picked item selected; only typing counts here.
    w.Bind(wxEVT_TEXT, userEdit([this, id](wxCommandEvent&) {
      if (window_->Control<wxComboBox>(id).GetSelection() != wxNOT_FOUND) return;
      window_->CallAfter([this, id] { OnHonorificTyped(id); });
    }), id);
  }
  for (int id = kIdFirstSendMark; id < kIdFirstReceiveMark + kHistoryColumns; ++id) {
    w.Bind(wxEVT_TEXT, userEdit([this, id](wxCommandEvent&) { OnMarkTyped(id); }), id);
  }
  w.Bind(wxEVT_CHOICE, userEdit([this](wxCommandEvent&) { OnSendStateChanged(); }), kIdSendState);
  // Not at each keystroke: an emptied field or an input method's intermediate text is no page.
  w.FindWindow(kIdPageNumber)->Bind(wxEVT_KILL_FOCUS, &AddressEditorDialog::OnPageFieldLeft, this);
  // The spin steps from the page on display, whatever position it had (the new page lies beyond
  // its range). After the spin has taken its new position, so that showing the page can set it
  // again.
  w.Bind(wxEVT_SPIN_UP, [this](wxSpinEvent&) { window_->CallAfter([this] { OnSpinStep(1); }); }, kIdPageSpin);
  w.Bind(wxEVT_SPIN_DOWN, [this](wxSpinEvent&) { window_->CallAfter([this] { OnSpinStep(-1); }); }, kIdPageSpin);
  for (int id : kCommandButtons) w.Bind(wxEVT_BUTTON, [this, id](wxCommandEvent&) { OnCommand(id); }, id);

  // The indicator: left click (a button event of the label), right button pressed over it.
  wxWindow* indicator = w.FindWindow(kIdConversionIndicator);
  w.Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnIndicatorClick(); }, kIdConversionIndicator);
  indicator->Bind(wxEVT_RIGHT_DOWN, [this](wxMouseEvent&) {
    HideExplanation();
    ToggleConversion();
  });
  indicator->Bind(wxEVT_CONTEXT_MENU, [](wxContextMenuEvent&) {});

  // Any key or button press hides the explanation before anything else sees it.
  w.Bind(wxEVT_CHAR_HOOK, &AddressEditorDialog::OnCharHook, this);
  const auto hide = [this](wxMouseEvent& event) {
    HideExplanation();
    event.Skip();
  };
  w.Bind(wxEVT_LEFT_DOWN, hide);
  w.Bind(wxEVT_RIGHT_DOWN, hide);
  for (wxWindow* child : w.GetChildren()) {
    if (child == indicator) continue;
    child->Bind(wxEVT_LEFT_DOWN, hide);
    child->Bind(wxEVT_RIGHT_DOWN, hide);
  }

  // Edits and memos have the usual edit menu. GTK gives a dialog no system menu: the window menu
  // (contacts in and out, the version box) is the context menu of the window's background, and of
  // the two file buttons, where a user looking for another way to read or write a book looks.
  BindEditMenus(&w);
  w.Bind(wxEVT_CONTEXT_MENU, [this](wxContextMenuEvent& event) {
    const wxObject* source = event.GetEventObject();
    if (source != window_ && source != window_->FindWindow(kIdReadFile) && source != window_->FindWindow(kIdWriteFile)) {
      event.Skip();
      return;
    }
    ShowWindowMenu();
  });
  w.Bind(wxEVT_MENU, [this](wxCommandEvent&) { ShowAboutDialog(window_); }, kCommandAbout);
  w.Bind(wxEVT_MENU, [this](wxCommandEvent&) { OnImportContacts(); }, kCommandImportContacts);
  w.Bind(wxEVT_MENU, [this](wxCommandEvent&) { OnExportContacts(); }, kCommandExportContacts);
}

void AddressEditorDialog::ShowWindowMenu() {
  wxMenu menu;
  menu.Append(kCommandImportContacts, U8(kImportContactsMenuText));
  menu.Append(kCommandExportContacts, U8(kExportContactsMenuText))->Enable(book_.recordCount() > 0);
  menu.AppendSeparator();
  menu.Append(kCommandAbout, U8(kAboutMenuText));
  window_->PopupMenu(&menu);
}

void AddressEditorDialog::OnPageFieldLeft(wxFocusEvent& event) {
  event.Skip();
  window_->CallAfter([this] { ConfirmPageNumber(); });
}

void AddressEditorDialog::OnCharHook(wxKeyEvent& event) {
  HideExplanation();
  // The paging keys are the editor's alone: a drop-down or spin acting on them afterwards would
  // change the page just shown.
  if (event.GetKeyCode() == WXK_PAGEUP || event.GetKeyCode() == WXK_PAGEDOWN) {
    OnPageKey(event.GetKeyCode() == WXK_PAGEDOWN ? 1 : -1);
    return;
  }
  if ((event.GetKeyCode() == WXK_RETURN || event.GetKeyCode() == WXK_NUMPAD_ENTER) &&
      wxWindow::FindFocus() == window_->FindWindow(kIdPageNumber)) {
    ConfirmPageNumber();
    return;
  }
  event.Skip();
}

void AddressEditorDialog::OnCancel() {
  if (book_.modified &&
      !ShowMessageBox("変更点を保存しないで終了します"_sjis, PromptButtons::OkCancelDefaultCancel)) {
    return;
  }
  DestroyEditorWindow();
}

void AddressEditorDialog::OnCommand(int id) {
  switch (id) {
    case kIdReadFile:
      if (const PageToShow page = services_.ReadFile(window_)) ShowBook(*page);
      break;
    case kIdWriteFile:
      OnWriteFile();
      break;
    case kIdOpenList:
      OnOpenList();
      break;
    case kIdOptions:
      OnOptions();
      break;
    case kIdIndex:
      OnIndex();
      break;
    case kIdLaunchQuelta:
      OnLaunchQuelta();
      break;
    case kIdOnlineHelp:
      services_.OpenHelp();
      break;
    case kIdPostalSearch:
      OnPostalSearch();
      break;
    case kIdNewPage:
      OnNewButton();
      break;
    case kIdDeletePage:
      OnDelete();
      break;
    case kIdSendHistory:
    case kIdReceiveHistory:
      OnHistoryButton(id == kIdSendHistory ? 0 : 1);
      break;
    default:
      break;
  }
}

}  // namespace mirelon
