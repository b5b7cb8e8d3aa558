// The program's result dialogs for the postal engines: each request is shown modally in the
// window of its kind, with its tooltips as toolTipCtrl says, and the wait cursor stands while a data
// file is read.
#pragma once

#include "postal/postal_result.h"

namespace mirelon {

class PostalResultWindows final : public PostalResultDialogs {
 public:
  explicit PostalResultWindows(bool tooltips) : tooltips_(tooltips) {}

  PostalDialogAnswer Show(const PostalDialogRequest& request) override;
  void SetBusy(bool on) override;

 private:
  bool tooltips_;
};

}  // namespace mirelon
