// The list window's document: no data of its own (the text lives in the view); saving writes the
// view's text as raw CP932 with CR LF line ends.
#pragma once

#include <wx/docview.h>

namespace mirelon {

class CMirelonView;

class CMirelonDoc final : public wxDocument {
 public:
  // A new document ends with a freshly built list, as the view's first update does.
  bool OnNewDocument() override;
  bool SaveAs() override;
  // The save question before the text is dropped: はい saves, いいえ drops, キャンセル keeps it.
  bool OnSaveModified() override;

 protected:
  bool DoSaveDocument(const wxString& file) override;

 private:
  CMirelonView* View() const;

  wxDECLARE_DYNAMIC_CLASS(CMirelonDoc);
};

// "開く" (Ctrl+O) reads a text file only to see that it can be read (the list is built afresh
// after it); false, with the message, when it cannot.
bool CanReadListText(const wxString& file);

}  // namespace mirelon
