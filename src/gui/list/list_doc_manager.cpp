#include "gui/list/list_doc_manager.h"

#include "gui/kit/wx_text.h"
#include "gui/list/main_frame.h"
#include "gui/list/mirelon_doc.h"
#include "gui/list/mirelon_view.h"
#include "res/list_resources.h"

namespace mirelon {
namespace {

// The template makes its views with the frame and the program's context, which a class record
// cannot pass on.
class ListDocTemplate final : public wxDocTemplate {
 public:
  ListDocTemplate(wxDocManager* manager, CMainFrame& frame, const ListWindowContext& context)
      : wxDocTemplate(manager, U8(res::kListTextFilter).BeforeFirst('|'), "*.txt", wxString(), "txt", "Mirelon.Document",
                      "Mirelon Document", wxCLASSINFO(CMirelonDoc), nullptr),
        frame_(frame),
        context_(context) {}

 protected:
  wxView* DoCreateView() override { return new CMirelonView(context_, frame_); }

 private:
  CMainFrame& frame_;
  const ListWindowContext& context_;
};

}  // namespace

ListDocManager::ListDocManager(CMainFrame& frame, const ListWindowContext& context) {
  SetMaxDocsOpen(1);
  new ListDocTemplate(this, frame, context);  // the manager owns its templates
}

wxString ListDocManager::MakeNewDocumentName() { return U8("無題"); }

wxString ListDocManager::MakeFrameTitle(wxDocument*) { return U8("Mirelon"); }

}  // namespace mirelon
