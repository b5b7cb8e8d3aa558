// The platform's file chooser with the answer a test's modal hook gives. GTK reports the chosen path
// from its own widget, which stays empty when the chooser is answered without being run; such an
// answer, given through SetPath, is kept here instead. The program's flows never preset a path with
// SetPath (they pass the initial file to the constructor), so nothing else reaches it.
#pragma once

#include <filesystem>

#include <wx/filedlg.h>

namespace mirelon {

class FileChooserDialog final : public wxFileDialog {
 public:
  FileChooserDialog(wxWindow* parent, const wxString& title, const wxString& folder, const wxString& file,
                    const wxString& filter, long style)
      : wxFileDialog(parent, title, folder, file, filter, style) {}

  void SetPath(const wxString& path) override { answer_ = path; }
  wxString GetPath() const override { return answer_.empty() ? wxFileDialog::GetPath() : answer_; }

 private:
  wxString answer_;
};

// A chosen path (control text) as a native path, and back.
std::filesystem::path ToPath(const wxString& text);
wxString FromPath(const std::filesystem::path& path);

}  // namespace mirelon
