// A dialog built from a res/ template: the template's font and client size, every control at
// its dialog-unit rectangle with window id = control number, edits held to their CP932 byte
// limits, and the program's dialog colour. Buttons 1 and 2 end a modal run with wxID_OK and
// wxID_CANCEL (Escape and the close box press 2) unless a subclass overrides OnOk / OnCancel.
#pragma once

#include <wx/dialog.h>

#include "res/dialog_template.h"

namespace mirelon {

class TemplateDialog : public wxDialog {
 public:
  // `extraStyle` adds to the templates' own (wxDIALOG_NO_PARENT for the program's main window).
  TemplateDialog(wxWindow* parent, const res::DialogTemplate& dialogTemplate, long extraStyle = 0);

  const res::DialogTemplate& Template() const { return template_; }
  // A rectangle in dialog units of this dialog's font, in pixels.
  wxRect ToPixels(int x, int y, int width, int height) const;
  wxRect ControlRect(int id) const;

  // The control with number `id`; it must exist and be of type T.
  template <class T>
  T& Control(int id) const {
    T* control = dynamic_cast<T*>(FindWindow(id));
    wxASSERT_MSG(control != nullptr, wxString::Format("control %d missing or of another kind", id));
    return *control;
  }

 protected:
  virtual void OnOk();
  virtual void OnCancel();
  // Ends the modal run with `returnCode`, or hides a window shown without one (as tests show them).
  void Finish(int returnCode);

 private:
  void Build();
  // The template's font, or a smaller size of it when the template would not fit the screen.
  wxFont FittingFont();
  const res::DialogTemplate& template_;
};

// Holds a text control to a CP932 byte limit: a change that would take it beyond is refused whole
// with the bell, and the field stays as it was.
void BindByteLimit(wxWindow* control, int byteLimit);
// CP932 bytes `text` would take (a character CP932 cannot hold counts as two).
size_t Cp932Length(const wxString& text);

}  // namespace mirelon
