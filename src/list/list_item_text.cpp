#include "list/list_item_text.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "book/address_record.h"
#include "book/history_rules.h"
#include "text/cp932.h"
#include "text/sjis.h"

namespace mirelon {

namespace {

using Field = std::string AddressRecord::*;

// The record field behind each single-field item; null for the composed and blank items.
constexpr std::array<Field, kListItemKindCount> kItemFields = {
    nullptr,                          &AddressRecord::registrationName, &AddressRecord::name,
    &AddressRecord::honorific,        &AddressRecord::postalCode,       nullptr,
    &AddressRecord::address1,         &AddressRecord::address2,         &AddressRecord::company1,
    &AddressRecord::company2,         &AddressRecord::position,         &AddressRecord::jointName1,
    &AddressRecord::jointHonorific1,  &AddressRecord::jointName2,       &AddressRecord::jointHonorific2,
    &AddressRecord::jointName3,       &AddressRecord::jointHonorific3,  nullptr,
    &AddressRecord::phone,            &AddressRecord::fax,              &AddressRecord::mobile,
    &AddressRecord::email,            &AddressRecord::memo1,            &AddressRecord::memo2,
    nullptr,                          &AddressRecord::sendHistory,      &AddressRecord::receiveHistory,
};

// Appends `part` trimmed, after one space when `joined` already holds something.
void JoinTrimmed(std::string& joined, std::string_view prefix, std::string_view part) {
  const std::string trimmed = TrimBlanks(part);
  if (trimmed.empty()) return;
  if (!joined.empty()) joined += ' ';
  joined += prefix;
  joined += trimmed;
}

std::string ComposedAddress(const AddressRecord& record) {
  std::string joined;
  for (const std::string* part : {&record.address1, &record.address2, &record.company1, &record.company2}) {
    JoinTrimmed(joined, {}, *part);
  }
  return joined;
}

std::string ComposedPhone(const AddressRecord& record) {
  static const std::string kPhone = Sjis("(電話)");
  static const std::string kFax = Sjis("(FAX)");
  static const std::string kMobile = Sjis("(携帯)");
  std::string joined;
  JoinTrimmed(joined, kPhone, record.phone);
  JoinTrimmed(joined, kFax, record.fax);
  JoinTrimmed(joined, kMobile, record.mobile);
  return joined;
}

// The send state shortened so that it fits narrow slots; from width 8 the stored text itself.
std::string ShortSendState(const AddressRecord& record, int width) {
  struct ShortForms {
    int minWidth;
    std::string sends;
    std::string doesNotSend;
  };
  static const std::array<ShortForms, 4> kShortForms = {{
      {6, Sjis("送信○"), Sjis("送信×")},
      {4, Sjis("送○"), Sjis("送×")},
      {2, Sjis("○"), Sjis("×")},
      {-32768, "O", "X"},
  }};
  if (width >= 8) return record.initialSendState;
  const bool sends = record.initialSendState != NoSendStateText();
  const auto& forms = *std::find_if(kShortForms.begin(), kShortForms.end(),
                                    [width](const ShortForms& f) { return width >= f.minWidth; });
  return sends ? forms.sends : forms.doesNotSend;
}

std::string ItemText(const AddressRecord& record, int kind, int width) {
  if (kind < 0 || kind >= kListItemKindCount) return {};
  if (const Field field = kItemFields[static_cast<size_t>(kind)]) return record.*field;
  switch (static_cast<ListItemKind>(kind)) {
    case ListItemKind::ComposedAddress:
      return ComposedAddress(record);
    case ListItemKind::ComposedPhone:
      return ComposedPhone(record);
    case ListItemKind::InitialSendState:
      return ShortSendState(record, width);
    default:
      return {};
  }
}

// A memo on one line: line breaks become single spaces; its own blanks stay.
void FlattenMemo(std::string& memo) {
  std::erase(memo, '\r');
  std::replace(memo.begin(), memo.end(), '\n', ' ');
}

}  // namespace

std::string RenderListItem(const AddressRecord& record, int kind, int width) {
  std::string text = ItemText(record, kind, width);
  switch (ModeOfItem(kind)) {
    case ListItemMode::Blank:
    case ListItemMode::Plain:
      text = TrimBlanks(text);
      FitToHalfWidth(text, width, true);
      break;
    case ListItemMode::Memo:
      FlattenMemo(text);
      FitToHalfWidth(text, width, true);
      break;
    case ListItemMode::History:
      FitHistoryTail(text, width);
      break;
  }
  return text;
}

void FitHistoryTail(std::string& history, int width) {
  if (width <= 0) {
    history.clear();
    return;
  }
  const size_t evenWidth = static_cast<size_t>(width / 2 * 2);
  if (history.size() > evenWidth) {
    // Drop the oldest bytes; when the cut falls inside a double-byte character, that character
    // goes too and the space added below keeps the width.
    const size_t excess = history.size() - evenWidth;
    std::string head = history.substr(0, excess);
    FitToHalfWidth(head, static_cast<int>(excess), false);
    const size_t keep = head.size() == excess ? evenWidth : (evenWidth == 0 ? 0 : evenWidth - 1);
    history.erase(0, history.size() - keep);
  }
  if (history.size() % 2 != 0) history.insert(0, 1, ' ');
  std::string filled;
  filled.reserve(static_cast<size_t>(width));
  for (size_t missing = (evenWidth - history.size()) / 2; missing > 0; --missing) filled += UnknownCell();
  filled += history;
  if (width % 2 != 0) filled += ' ';
  history = std::move(filled);
}

}  // namespace mirelon
