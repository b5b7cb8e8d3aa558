#include "gui/kit/message_box.h"

#include <wx/app.h>
#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "appcore/app_identity.h"
#include "gui/kit/dialog_background.h"
#include "gui/kit/wx_text.h"

namespace mirelon {

MessageBoxDialog::MessageBoxDialog(wxWindow* parent, const wxString& text, PromptButtons buttons)
    : wxDialog(parent, wxID_ANY, kApplicationName, wxDefaultPosition, wxDefaultSize, wxCAPTION),
      message_(ToControlLineBreaks(text)),
      buttons_(buttons) {
  message_.Replace("\r", "\n");
  PaintWithDialogColour(this);

  auto* body = new wxBoxSizer(wxHORIZONTAL);
  const bool yesNo = buttons == PromptButtons::YesNo || buttons == PromptButtons::YesNoDefaultNo;
  const wxArtID icon = yesNo ? wxART_QUESTION : wxART_WARNING;
  body->Add(new wxStaticBitmap(this, wxID_ANY, wxArtProvider::GetBitmap(icon, wxART_MESSAGE_BOX)), 0,
            wxALL | wxALIGN_TOP, 12);
  body->Add(new wxStaticText(this, wxID_ANY, message_), 1, wxTOP | wxRIGHT | wxBOTTOM | wxALIGN_CENTRE_VERTICAL, 12);

  auto* row = new wxBoxSizer(wxHORIZONTAL);
  const auto addButton = [&](wxWindowID id, std::string_view label) {
    auto* button = new wxButton(this, id, U8(label));
    button->Bind(wxEVT_BUTTON, [this, id](wxCommandEvent&) { EndModal(id); });
    row->Add(button, 0, wxLEFT | wxRIGHT, 4);
    return button;
  };
  wxButton* byDefault = nullptr;
  switch (buttons) {
    case PromptButtons::Ok:
      byDefault = addButton(wxID_OK, "OK");
      SetEscapeId(wxID_OK);
      break;
    case PromptButtons::OkCancel:
    case PromptButtons::OkCancelDefaultCancel: {
      wxButton* ok = addButton(wxID_OK, "OK");
      wxButton* cancel = addButton(wxID_CANCEL, "キャンセル");
      byDefault = buttons == PromptButtons::OkCancel ? ok : cancel;
      SetEscapeId(wxID_CANCEL);
      break;
    }
    case PromptButtons::YesNo:
    case PromptButtons::YesNoDefaultNo: {
      wxButton* yes = addButton(wxID_YES, "はい");
      wxButton* no = addButton(wxID_NO, "いいえ");
      byDefault = buttons == PromptButtons::YesNo ? yes : no;
      SetEscapeId(wxID_NONE);  // a question must be answered
      break;
    }
  }
  // Return presses the default button, and so does the focused one: both are the same.
  byDefault->SetDefault();
  byDefault->SetFocus();
  defaultId_ = byDefault->GetId();

  auto* column = new wxBoxSizer(wxVERTICAL);
  column->Add(body, 1, wxEXPAND);
  column->Add(row, 0, wxALIGN_CENTRE_HORIZONTAL | wxBOTTOM, 10);
  SetSizerAndFit(column);
  CentreOnParent();
}

wxWindow* ActiveParentWindow() {
  if (wxWindow* focus = wxWindow::FindFocus()) return wxGetTopLevelParent(focus);
  if (wxWindow* active = wxGetActiveWindow()) return active;
  return wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr;
}

bool ShowMessageBoxText(const wxString& text, PromptButtons buttons) {
  MessageBoxDialog dialog(ActiveParentWindow(), text, buttons);
  const int answer = dialog.ShowModal();
  return answer == wxID_OK || answer == wxID_YES;
}

void ShowMessageList(std::string_view summary, std::span<const std::string> lines) {
  wxDialog dialog(ActiveParentWindow(), wxID_ANY, kApplicationName, wxDefaultPosition, wxDefaultSize,
                  wxCAPTION | wxRESIZE_BORDER);
  PaintWithDialogColour(&dialog);
  wxString text;
  for (const std::string& line : lines) text << FromCp932(line) << '\n';
  auto* column = new wxBoxSizer(wxVERTICAL);
  column->Add(new wxStaticText(&dialog, wxID_ANY, FromCp932(summary)), 0, wxALL, 12);
  auto* list = new wxTextCtrl(&dialog, wxID_ANY, text, wxDefaultPosition, wxSize(420, 240),
                              wxTE_MULTILINE | wxTE_READONLY | wxTE_DONTWRAP);
  column->Add(list, 1, wxEXPAND | wxLEFT | wxRIGHT, 12);
  auto* ok = new wxButton(&dialog, wxID_OK, U8("OK"));
  ok->SetDefault();
  dialog.SetEscapeId(wxID_OK);
  column->Add(ok, 0, wxALIGN_CENTRE_HORIZONTAL | wxALL, 10);
  dialog.SetSizerAndFit(column);
  dialog.CentreOnParent();
  dialog.ShowModal();
}

bool ShowMessageBox(std::string_view sjis, PromptButtons buttons) {
  return ShowMessageBoxText(FromCp932(sjis), buttons);
}

}  // namespace mirelon
