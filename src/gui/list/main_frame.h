// The list window's frame: menu 128, tool bar 128, the status bar with pane 59143, the commands
// routed to the view and document, and the close that hands the main-window role back.
#pragma once

#include <memory>

#include <wx/frame.h>

#include "gui/list/list_window.h"

class wxDocManager;
class wxTextCtrl;

namespace mirelon {

class CMirelonView;

class CMainFrame final : public wxFrame {
 public:
  // `size` is the stored size to open at, or wxDefaultSize.
  CMainFrame(const ListWindowContext& context, const wxSize& size);
  ~CMainFrame() override;

  // A new document with its view and a freshly built list; false when none could be made.
  bool CreateNewDocument();
  CMirelonView* View() const;
  wxDocManager& DocManager() const { return *docManager_; }

  // The view's text control fills the client area (nullptr: the view has gone).
  void SetEdit(wxTextCtrl* edit);
  // Pane 59143 (the filter, the numbering and the count).
  void ShowStatus(const wxString& text);

 private:
  void CreateMenu();
  void CreateToolBarOfList();
  void CreateStatusBarOfList();
  void BindCommands();
  void OnOpen();
  void OnClose(wxCloseEvent& event);
  void ToggleBar(wxWindow* bar);

  ListWindowContext context_;
  std::unique_ptr<wxDocManager> docManager_;
  wxTextCtrl* edit_ = nullptr;
};

}  // namespace mirelon
