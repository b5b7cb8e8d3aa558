#include "gui/kit/edit_menu.h"

#include <memory>

#include <wx/menu.h>
#include <wx/textctrl.h>

#include "gui/kit/wx_text.h"

namespace mirelon {
namespace {

// One step of undo. A run of typing starts when the text no longer is what the user's last change
// left (the program wrote into the control since) or after a menu command.
struct UndoStep {
  wxString before;    // the text at the last key or menu command
  wxString lastUser;  // the text the user's last change left
  wxString undoText;  // what undo puts back
  bool runOpen = false;
  bool available = false;
};

// A change of the user's that is a step of its own: undo goes back to the text before it.
template <class Change>
void AsOneStep(wxTextCtrl& control, UndoStep& undo, Change change) {
  undo.before = control.GetValue();
  undo.runOpen = false;
  change();  // the change event it sends opens the step
  undo.runOpen = false;
}

void RunCommand(wxTextCtrl& control, UndoStep& undo, int id) {
  long from = 0;
  long to = 0;
  control.GetSelection(&from, &to);
  switch (id) {
    case wxID_UNDO: {
      // SetValue, not ChangeValue: the change reaches the handlers as typing would.
      const wxString text = undo.undoText;
      AsOneStep(control, undo, [&] { control.SetValue(text); });
      control.SetInsertionPointEnd();
      break;
    }
    case wxID_CUT:
      AsOneStep(control, undo, [&] { control.Cut(); });
      break;
    case wxID_PASTE:
      AsOneStep(control, undo, [&] { control.Paste(); });
      break;
    case wxID_CLEAR:
      AsOneStep(control, undo, [&] { control.Remove(from, to); });
      break;
    case wxID_COPY:
      control.Copy();
      break;
    case wxID_SELECTALL:
      control.SelectAll();
      break;
    default:
      break;
  }
}

void ShowEditMenu(wxTextCtrl& control, UndoStep& undo) {
  long from = 0;
  long to = 0;
  control.GetSelection(&from, &to);
  const bool editable = control.IsEditable();
  wxMenu menu;
  menu.Append(wxID_UNDO, U8("元に戻す\tCtrl+Z"))->Enable(editable && undo.available);
  menu.AppendSeparator();
  menu.Append(wxID_CUT, U8("切り取り"))->Enable(control.CanCut());
  menu.Append(wxID_COPY, U8("コピー"))->Enable(control.CanCopy());
  menu.Append(wxID_PASTE, U8("貼り付け"))->Enable(control.CanPaste());
  menu.Append(wxID_CLEAR, U8("削除"))->Enable(editable && from != to);
  menu.AppendSeparator();
  menu.Append(wxID_SELECTALL, U8("すべて選択"))->Enable(!control.IsEmpty());
  const int chosen = control.GetPopupMenuSelectionFromUser(menu);
  if (chosen != wxID_NONE) RunCommand(control, undo, chosen);
}

void BindEditMenu(wxTextCtrl* control) {
  auto undo = std::make_shared<UndoStep>();
  control->Bind(wxEVT_KEY_DOWN, [control, undo](wxKeyEvent& event) {
    if (event.GetModifiers() == wxMOD_CONTROL && event.GetKeyCode() == 'Z') {
      if (undo->available && control->IsEditable()) RunCommand(*control, *undo, wxID_UNDO);
      return;
    }
    undo->before = control->GetValue();
    if (undo->before != undo->lastUser) undo->runOpen = false;
    event.Skip();
  });
  control->Bind(wxEVT_TEXT, [control, undo](wxCommandEvent& event) {
    event.Skip();
    if (!undo->runOpen) {
      undo->undoText = undo->before;
      undo->runOpen = true;
      undo->available = true;
    }
    undo->lastUser = control->GetValue();
  });
  // Not handed on: the window's own menu belongs to its background.
  control->Bind(wxEVT_CONTEXT_MENU, [control, undo](wxContextMenuEvent&) { ShowEditMenu(*control, *undo); });
}

}  // namespace

void BindEditMenus(wxWindow* dialog) {
  for (wxWindow* child : dialog->GetChildren()) {
    if (auto* text = dynamic_cast<wxTextCtrl*>(child)) BindEditMenu(text);
  }
}

}  // namespace mirelon
