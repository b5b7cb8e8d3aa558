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

// TrimBlanks of `text`: a text that neither starts with a blank's first byte nor ends with a
// blank's last byte is its own trimmed form, and the list looks at some ten thousand fields.
std::string_view Trimmed(std::string_view text) {
  if (text.empty()) return text;
  const char first = text.front();
  const char last = text.back();
  if (first != ' ' && first != kFullWidthSpace[0] && last != ' ' && last != kFullWidthSpace[1]) return text;
  return TrimmedBlanks(text);
}

// Appends `text` cut or padded to exactly `width` cells, copying only what is shown.
void AppendFitted(std::string& out, std::string_view text, int width) {
  const size_t cells = static_cast<size_t>(std::max(width, 0));
  const size_t shown = text.size() < cells ? text.size() : HalfWidthPrefix(text, width);
  out.append(text.data(), shown);
  out.append(cells - shown, ' ');
}

// Appends `part` trimmed, after one space when `joined` already holds something.
void JoinTrimmed(std::string& joined, std::string_view prefix, std::string_view part) {
  const std::string_view trimmed = Trimmed(part);
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
const std::string& ShortSendState(const AddressRecord& record, int width) {
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

// A memo on one line: line breaks become single spaces; its own blanks stay.
std::string FlatMemo(std::string memo) {
  std::erase(memo, '\r');
  std::replace(memo.begin(), memo.end(), '\n', ' ');
  return memo;
}

void AppendPlain(std::string& out, std::string_view text, int width) {
  AppendFitted(out, Trimmed(text), width);
}

}  // namespace

void AppendListItem(std::string& out, const AddressRecord& record, int kind, int width) {
  switch (ModeOfItem(kind)) {
    case ListItemMode::Blank:
      AppendFitted(out, {}, width);
      return;
    case ListItemMode::Memo:
      AppendFitted(out, FlatMemo(record.*kItemFields[static_cast<size_t>(kind)]), width);
      return;
    case ListItemMode::History:
      AppendHistoryTail(out, record.*kItemFields[static_cast<size_t>(kind)], width);
      return;
    case ListItemMode::Plain:
      break;
  }
  switch (static_cast<ListItemKind>(kind)) {
    case ListItemKind::ComposedAddress:
      AppendPlain(out, ComposedAddress(record), width);
      return;
    case ListItemKind::ComposedPhone:
      AppendPlain(out, ComposedPhone(record), width);
      return;
    case ListItemKind::InitialSendState:
      AppendPlain(out, ShortSendState(record, width), width);
      return;
    default:
      AppendPlain(out, record.*kItemFields[static_cast<size_t>(kind)], width);
      return;
  }
}

std::string RenderListItem(const AddressRecord& record, int kind, int width) {
  std::string text;
  AppendListItem(text, record, kind, width);
  return text;
}

void AppendHistoryTail(std::string& out, std::string_view history, int width) {
  if (width <= 0) return;
  const size_t evenWidth = static_cast<size_t>(width / 2 * 2);
  if (history.size() > evenWidth) {
    // Drop the oldest bytes; when the cut falls inside a double-byte character, that character
    // goes too and the space added below keeps the width.
    const size_t excess = history.size() - evenWidth;
    const bool cutOnBoundary = HalfWidthPrefix(history, static_cast<int>(excess)) == excess;
    const size_t keep = cutOnBoundary ? evenWidth : (evenWidth == 0 ? 0 : evenWidth - 1);
    history.remove_prefix(history.size() - keep);
  }
  for (size_t missing = (evenWidth - history.size()) / 2; missing > 0; --missing) out += UnknownCell();
  if (history.size() % 2 != 0) out += ' ';
  out += history;
  if (width % 2 != 0) out += ' ';
}

void FitHistoryTail(std::string& history, int width) {
  std::string fitted;
  AppendHistoryTail(fitted, history, width);
  history = std::move(fitted);
}

}  // namespace mirelon
