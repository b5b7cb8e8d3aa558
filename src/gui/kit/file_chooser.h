// The platform's file chooser as the program's windows use it, and the conversions between chooser
// paths (wxString) and std::filesystem paths.
#pragma once

#include <filesystem>
#include <string>

#include <wx/filedlg.h>

namespace mirelon {

// GTK reports the chosen path from its own widget, which stays empty when the chooser is answered
// without being run (by a test's modal hook); such an answer, given through SetPath, is kept here
// instead. The program's flows never preset a path with SetPath (they pass the initial file to the
// constructor), so nothing else reaches it.
class FileChooserDialog final : public wxFileDialog {
 public:
  // `filter` in the platform's notation ("name (*.ext)|*.ext").
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
