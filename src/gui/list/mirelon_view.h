// The list window's view: the whole book as the list text in an editable fixed-pitch text control,
// rebuilt from the display format; copy, undo, word wrap, the format commands and printing. The
// format and the word-wrap flag come from the settings when the view is made and go back when it
// is destroyed.
#pragma once

#include <string>

#include <wx/docview.h>
#include <wx/font.h>

#include "gui/list/list_window.h"
#include "list/display_format.h"

class wxTextCtrl;

namespace mirelon {

class CMainFrame;

class CMirelonView final : public wxView {
 public:
  CMirelonView(const ListWindowContext& context, CMainFrame& frame);
  ~CMirelonView() override;

  bool OnCreate(wxDocument* doc, long flags) override;
  void OnDraw(wxDC*) override {}  // the text control draws itself
  // The title stays "Mirelon" whatever the document's name.
  void OnChangeFilename() override {}

  // The list built afresh from the book; the text counts as unedited afterwards.
  void Rebuild();
  wxString Text() const;
  void SetText(const wxString& text);  // a program write: no edit, no modified flag
  wxTextCtrl* Edit() const { return edit_; }
  const wxFont& Font() const { return font_; }
  const DisplayFormat& Format() const { return format_; }
  bool WordWrap() const { return wordWrap_; }

  // 32773: the selection, or the whole text when nothing is selected; caret and selection stay.
  void CopyList();
  // 57643: back to the text before the last edit (again: forward to it).
  void Undo();
  bool CanUndo() const { return hasUndo_; }
  void ToggleWordWrap();  // 32774
  void RunFormatDialog();  // 32772
  void LoadFormatFile();   // 32777
  void SaveFormatFile();   // 32776
  // 57607, through the print dialog: without one GTK waits for a default printer that may not exist.
  void Print();
  void Preview();  // 57609
  wxPrintout* OnCreatePrintout() override;

 private:
  // Replaces the text control by one of the current wrap style, keeping text, font, place and id.
  void CreateEdit();
  void OnTextEdited();

  const ListWindowContext& context_;
  CMainFrame& frame_;
  DisplayFormat format_;
  bool wordWrap_ = false;
  wxFont font_;
  wxTextCtrl* edit_ = nullptr;
  // The text now and before the last edit, for undo.
  wxString shownText_;
  wxString undoText_;
  bool hasUndo_ = false;
};

}  // namespace mirelon
