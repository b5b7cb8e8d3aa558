// A narrow up-down control: two stacked arrow buttons that step a number within a range and send
// wxEVT_SPIN with the new position, as the platform's spin button does. GTK's spin button is at
// least 32 pixels high and wide as a "− +" pair, too big for a dialog with rows of edits.
#pragma once

#include <wx/control.h>

namespace mirelon {

class UpDownControl final : public wxControl {
 public:
  UpDownControl(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size);

  void SetRange(int min, int max);
  void SetValue(int value);
  int GetValue() const { return value_; }
  int GetMin() const { return min_; }
  int GetMax() const { return max_; }
  // One step up (+1) or down (−1) as a click does: the event goes out when the value moves.
  void Step(int delta);

 protected:
  wxSize DoGetBestSize() const override { return wxSize(16, 20); }

 private:
  void OnPaint();
  void OnMouseDown(const wxMouseEvent& event);
  void OnKey(wxKeyEvent& event);

  int min_ = 0;
  int max_ = 100;
  int value_ = 0;
  int pressed_ = 0;  // +1 upper button held, −1 lower, 0 none
};

}  // namespace mirelon
