// The document manager of one list window: a single-document manager with the one template 128
// ("Mirelon", "無題", "テキスト文書 (*.txt)"), whose documents and views are made for its frame.
#pragma once

#include <wx/docview.h>

#include "gui/list/list_window.h"

namespace mirelon {

class CMainFrame;

class ListDocManager final : public wxDocManager {
 public:
  ListDocManager(CMainFrame& frame, const ListWindowContext& context);

  wxString MakeNewDocumentName() override;
  wxString MakeFrameTitle(wxDocument*) override;
};

}  // namespace mirelon
