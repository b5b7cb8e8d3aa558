#include "gui/app/bounded_wait.h"

#include <wx/evtloop.h>
#include <wx/utils.h>

#include "platform/process.h"

namespace mirelon {

void KeepWindowsPainted() {
  if (wxEventLoopBase* loop = wxEventLoopBase::GetActive()) loop->YieldFor(wxEVT_CATEGORY_ALL & ~wxEVT_CATEGORY_USER_INPUT);
}

bool WaitWhile(const std::function<bool()>& waiting, std::chrono::milliseconds limit) {
  const wxBusyCursor busy;
  return PollWhile(waiting, limit, KeepWindowsPainted);
}

}  // namespace mirelon
