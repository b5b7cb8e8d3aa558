#include "gui/list/main_frame.h"

#include <wx/accel.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>

#include "appcore/list_window_size.h"
#include "appcore/program_settings.h"
#include "gui/dialogs/about_dialog.h"
#include "gui/kit/app_icon.h"
#include "gui/kit/file_chooser.h"
#include "gui/kit/print_setup.h"
#include "gui/kit/wx_text.h"
#include "gui/list/list_doc_manager.h"
#include "gui/list/mirelon_doc.h"
#include "gui/list/mirelon_view.h"
#include "res/list_resources.h"
#include "res/list_tool_icons.h"

namespace mirelon {
namespace {

using namespace res;

constexpr int kStatusPaneIndex = 1;

// "prompt\ntip" → the status-bar prompt (first) or the tool tip (second).
wxString PromptPart(int command, bool tip) {
  const wxString prompt = U8(CommandPrompt(command));
  return tip ? prompt.AfterFirst('\n') : prompt.BeforeFirst('\n');
}

}  // namespace

CMainFrame::CMainFrame(const ListWindowContext& context, const wxSize& size)
    : wxFrame(nullptr, wxID_ANY, U8("Mirelon"), wxDefaultPosition, size), context_(context) {
  SetIcons(AppIcons());
  CreateMenu();
  CreateToolBarOfList();
  CreateStatusBarOfList();
  docManager_ = std::make_unique<ListDocManager>(*this, context_);
  BindCommands();
  Bind(wxEVT_CLOSE_WINDOW, &CMainFrame::OnClose, this);
  Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    if (edit_ != nullptr) edit_->SetSize(GetClientSize());
    event.Skip();
  });
}

CMainFrame::~CMainFrame() {
  // The views go before their text controls do.
  if (docManager_) docManager_->CloseDocuments(true);
}

bool CMainFrame::CreateNewDocument() { return docManager_->CreateNewDocument() != nullptr; }

CMirelonView* CMainFrame::View() const { return static_cast<CMirelonView*>(docManager_->GetCurrentView()); }

void CMainFrame::SetEdit(wxTextCtrl* edit) {
  edit_ = edit;
  if (edit_ != nullptr) edit_->SetSize(GetClientSize());
}

void CMainFrame::ShowStatus(const wxString& text) {
  if (GetStatusBar() != nullptr) GetStatusBar()->SetStatusText(text, kStatusPaneIndex);
}

void CMainFrame::CreateMenu() {
  auto* bar = new wxMenuBar;
  for (const MenuTemplate& menuTemplate : ListMenu()) {
    auto* menu = new wxMenu;
    for (const MenuItemTemplate& item : menuTemplate.items) {
      if (item.command == kCmdSeparator) {
        menu->AppendSeparator();
        continue;
      }
      wxString text = U8(item.text);
      if (!item.accelerator.empty()) text += "\t" + U8(item.accelerator);
      menu->Append(CommandWindowId(item.command), text, PromptPart(item.command, false),
                   item.checkable ? wxITEM_CHECK : wxITEM_NORMAL);
    }
    bar->Append(menu, U8(menuTemplate.title));
  }
  SetMenuBar(bar);

  std::vector<wxAcceleratorEntry> keys;
  for (const AcceleratorTemplate& key : ListAccelerators()) {
    wxAcceleratorEntry entry;
    if (entry.FromString(U8(key.key))) {
      keys.emplace_back(entry.GetFlags(), entry.GetKeyCode(), CommandWindowId(key.command));
    }
  }
  SetAcceleratorTable(wxAcceleratorTable(static_cast<int>(keys.size()), keys.data()));
}

void CMainFrame::CreateToolBarOfList() {
  wxToolBar* bar = CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT | wxTB_TOP, kListResource);
  bar->SetToolBitmapSize(wxSize(16, 15));
  for (int command : ListToolBar()) {
    if (command == kCmdSeparator) {
      bar->AddSeparator();
      continue;
    }
    bar->AddTool(CommandWindowId(command), PromptPart(command, true), wxBitmap(ListToolIcon(command)),
                 PromptPart(command, true), command == kCmdWordWrap ? wxITEM_CHECK : wxITEM_NORMAL);
    bar->SetToolLongHelp(CommandWindowId(command), PromptPart(command, false));
  }
  bar->Realize();
}

void CMainFrame::CreateStatusBarOfList() {
  // No size grip: it would take its room from pane 59143.
  wxStatusBar* bar = CreateStatusBar(2, wxSTB_DEFAULT_STYLE & ~wxSTB_SIZEGRIP);
  // GTK pads a pane's label on both sides and ellipsises what does not fit.
  const int paneWidth = bar->GetTextExtent(U8(kStatusPaneMeasure)).x + 4 * bar->GetCharWidth();
  const int widths[2] = {-1, paneWidth};
  const int styles[2] = {wxSB_NORMAL, wxSB_FLAT};
  bar->SetStatusWidths(2, widths);
  bar->SetStatusStyles(2, styles);
}

void CMainFrame::BindCommands() {
  const auto on = [this](int command, auto action) {
    Bind(wxEVT_MENU, [action](wxCommandEvent&) { action(); }, CommandWindowId(command));
  };
  on(kCmdNew, [this] { docManager_->CreateNewDocument(); });
  on(kCmdOpen, [this] { OnOpen(); });
  on(kCmdSave, [this] { View()->GetDocument()->Save(); });
  on(kCmdSaveAs, [this] { View()->GetDocument()->SaveAs(); });
  on(kCmdPrintSetup, [this] { context_.printSetup.RunPrinterSetup(this); });
  on(kCmdPrint, [this] { View()->Print(); });
  on(kCmdPrintPreview, [this] { View()->Preview(); });
  on(kCmdPrintCards, [this] {
    if (context_.printCards) context_.printCards(this);
  });
  on(kCmdUndo, [this] { View()->Undo(); });
  on(kCmdAbout, [this] { ShowAboutDialog(this); });
  on(kCmdCloseList, [this] { Close(); });
  on(kCmdFormatDialog, [this] { View()->RunFormatDialog(); });
  on(kCmdCopyList, [this] { View()->CopyList(); });
  on(kCmdWordWrap, [this] { View()->ToggleWordWrap(); });
  on(kCmdSaveFormat, [this] { View()->SaveFormatFile(); });
  on(kCmdLoadFormat, [this] { View()->LoadFormatFile(); });
  on(kCmdToolBar, [this] { ToggleBar(GetToolBar()); });
  on(kCmdStatusBar, [this] { ToggleBar(GetStatusBar()); });

  Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Check(View() != nullptr && View()->WordWrap()); },
       CommandWindowId(kCmdWordWrap));
  Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(View() != nullptr && View()->CanUndo()); },
       CommandWindowId(kCmdUndo));
  Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Check(GetToolBar()->IsShown()); },
       CommandWindowId(kCmdToolBar));
  Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Check(GetStatusBar()->IsShown()); },
       CommandWindowId(kCmdStatusBar));
}

void CMainFrame::ToggleBar(wxWindow* bar) {
  bar->Show(!bar->IsShown());
  SendSizeEvent();
}

void CMainFrame::OnOpen() {
  FileChooserDialog dialog(this, U8("開く"), wxString(), wxString(), U8(kListTextFilter),
                           wxFD_OPEN | wxFD_FILE_MUST_EXIST);
  if (dialog.ShowModal() != wxID_OK) return;
  // The list is built afresh over whatever the file holds, so the document stays untitled: a save
  // must never put the list in place of the user's file. A file that cannot be read keeps the
  // list on display.
  if (!CanReadListText(dialog.GetPath())) return;
  docManager_->CreateNewDocument();
}

void CMainFrame::OnClose(wxCloseEvent& event) {
  // The save question may keep the window (and the program) as it is.
  if (!docManager_->CloseDocuments(!event.CanVeto())) {
    event.Veto();
    return;
  }
  const ListWindowState state = IsMaximized()   ? ListWindowState::Maximised
                                : IsIconized() ? ListWindowState::Minimised
                                               : ListWindowState::Normal;
  const wxSize size = GetSize();
  StoreListWindowSize(context_.settings.Store(), state, size.x, size.y);
  if (context_.onClosed) context_.onClosed();
  Destroy();
}

}  // namespace mirelon
