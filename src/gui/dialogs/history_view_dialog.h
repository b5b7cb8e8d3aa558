// The history confirmation: a record's whole send or receive history as one right-aligned line
// of marks over a year ruler, with a free edit; it hands the (possibly edited) text back to the
// editor and never writes the book.
#pragma once

#include <string>

#include "gui/kit/data_exchange.h"
#include "gui/kit/template_dialog.h"
#include "gui/kit/tooltip_set.h"

namespace mirelon {

class AddressBook;

enum class HistoryKind { Send, Receive };

// The ruler's ticks, in client pixels: 26 of them, every fifth one longer.
struct HistoryRuler {
  int x0;
  int step;
  int y0;
};

class HistoryViewDialog : public TemplateDialog {
 public:
  // `textHeight` is the editor font's pixel height: above 20 the layout is enlarged. `tooltips`
  // is the toolTipCtrl switch, for this dialog and its free edit.
  HistoryViewDialog(wxWindow* parent, const AddressBook& book, int page, HistoryKind kind, int textHeight,
                    bool tooltips);

  const std::string& History() const { return history_; }
  HistoryRuler Ruler() const;
  bool Enlarged() const { return enlarged_; }

 private:
  void ShowHistory();
  void OnFreeEdit();
  void OnPaint(wxPaintEvent& event);

  int year_;
  HistoryKind kind_;
  std::string history_;
  bool enlarged_;
  bool showTooltips_;
  TooltipSet tooltips_;
};

// The free edit: the whole history typed as text, normalised into marks on OK.
class HistoryEditDialog : public TemplateDialog {
 public:
  // `kindWord` is "送信" or "受信" (UTF-8).
  HistoryEditDialog(wxWindow* parent, int year, std::string_view kindWord, const std::string& history, bool tooltips);
  const std::string& History() const { return history_; }

 protected:
  void OnOk() override;

 private:
  std::string history_;
  DataExchange exchange_;
  TooltipSet tooltips_;
};

}  // namespace mirelon
