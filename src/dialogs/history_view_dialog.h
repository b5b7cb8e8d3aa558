// The history confirmation: a record's whole send or receive history as one right-aligned line
// of marks over a year ruler, with a free edit; it hands the (possibly edited) text back to the
// editor and never writes the book.
#pragma once

#include <string>

#include "app/data_exchange.h"
#include "app/template_dialog.h"
#include "app/tooltip_set.h"

namespace mirelon {

struct AppState;

enum class HistoryKind { Send, Receive };

// The ruler's ticks, in client pixels: 26 of them, every fifth one longer.
struct HistoryRuler {
  int x0;
  int step;
  int y0;
};

class HistoryViewDialog : public TemplateDialog {
 public:
  HistoryViewDialog(wxWindow* parent, AppState& app, int page, HistoryKind kind);

  const std::string& History() const { return history_; }
  HistoryRuler Ruler() const;
  bool Enlarged() const { return enlarged_; }

 private:
  void ShowHistory();
  void OnFreeEdit();
  void OnPaint(wxPaintEvent& event);

  AppState& app_;
  int year_;
  HistoryKind kind_;
  std::string history_;
  bool enlarged_;
  TooltipSet tooltips_;
};

// The free edit: the whole history typed as text, normalised into marks on OK.
class HistoryEditDialog : public TemplateDialog {
 public:
  // `kindWord` is "送信" or "受信" (UTF-8).
  HistoryEditDialog(wxWindow* parent, int year, std::string_view kindWord, const std::string& history);
  const std::string& History() const { return history_; }

 protected:
  void OnOk() override;

 private:
  std::string history_;
  DataExchange exchange_;
  TooltipSet tooltips_;
};

}  // namespace mirelon
