// Members ⇄ controls in bulk, in the order the bindings were made (which is also the order of
// validation when the controls are read). Text members are CP932; a control whose text still
// equals what was last pushed into it leaves its member's bytes untouched, so bytes that do not
// decode survive an edit of another field. Pushing writes only controls whose text differs, with
// ChangeValue, and while an exchange runs `Exchanging()` is true so change handlers can ignore
// the program's own writes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <wx/string.h>

class wxWindow;

namespace mirelon {

// The message for a text beyond its field's byte limit; `fieldName` is control text.
wxString ByteLimitMessage(const wxString& fieldName, int byteLimit);

class DataExchange {
 public:
  // An edit or editable combo box; `byteLimit` 0 means none; `fieldName` (UTF-8) names the field
  // in messages.
  void BindText(int id, std::string* member, int byteLimit, std::string_view fieldName);
  // A drop-down list whose member is the CP932 text of the selected item.
  void BindChoice(int id, std::string* member);
  // A number typed into an edit, validated to [min, max]. Full-width digits (as an input method
  // types them) count as digits.
  void BindNumber(int id, int* member, int min, int max);
  // The same, but a number the user confirms: pushed with the rest, read only by PullOne.
  void BindConfirmedNumber(int id, int* member, int min, int max);

  // The window whose controls are bound; call again when it is re-created.
  void Attach(wxWindow* dialog);
  void Detach() { dialog_ = nullptr; }

  void Push();
  void PushOne(int id);
  // Reads every control in order; on the first invalid one shows a message naming it, puts the
  // focus there and returns false (members read before it keep their new values).
  bool Pull();
  // Reads the one control `id` as Pull would.
  bool PullOne(int id);
  bool Exchanging() const { return exchanging_ > 0; }

  // Marks a stretch of program writes to controls outside Push (filling lists and the like).
  class Suppress {
   public:
    explicit Suppress(DataExchange& exchange) : exchange_(exchange) { ++exchange_.exchanging_; }
    ~Suppress() { --exchange_.exchanging_; }
    Suppress(const Suppress&) = delete;
    Suppress& operator=(const Suppress&) = delete;

   private:
    DataExchange& exchange_;
  };

 private:
  enum class Kind { Text, Choice, Number };
  struct Binding {
    Kind kind;
    int id;
    std::string* text;  // Text and Choice
    int* number;        // Number
    int limit;
    int min;
    int max;
    wxString fieldName;
    wxString pushed = wxString();  // control text after the last push or pull
    bool hasPushed = false;
    bool pulledAlone = false;  // left out of Pull
  };
  void PushBinding(Binding& binding);
  bool PullBinding(Binding& binding);

  std::vector<Binding> bindings_;
  wxWindow* dialog_ = nullptr;
  int exchanging_ = 0;
};

}  // namespace mirelon
