#include "gui/app/bounded_wait.h"

#include <wx/evtloop.h>

namespace mirelon {

void KeepWindowsPainted() {
  if (wxEventLoopBase* loop = wxEventLoopBase::GetActive()) loop->YieldFor(wxEVT_CATEGORY_ALL & ~wxEVT_CATEGORY_USER_INPUT);
}

}  // namespace mirelon
