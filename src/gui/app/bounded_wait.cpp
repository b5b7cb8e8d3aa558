#include "gui/app/bounded_wait.h"

#include <wx/evtloop.h>
#include <wx/utils.h>

namespace mirelon {
namespace {

constexpr int kPollMilliseconds = 50;

}  // namespace

bool WaitWhile(const std::function<bool()>& waiting, std::chrono::milliseconds limit) {
  const wxBusyCursor busy;
  const auto end = std::chrono::steady_clock::now() + limit;
  while (waiting()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    if (wxEventLoopBase* loop = wxEventLoopBase::GetActive()) {
      loop->YieldFor(wxEVT_CATEGORY_ALL & ~wxEVT_CATEGORY_USER_INPUT);
    }
    wxMilliSleep(kPollMilliseconds);
  }
  return true;
}

}  // namespace mirelon
