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

// TrimBlanks of `text`, copied only when there is something to trim: a text that neither starts
// with a blank's first byte nor ends with a blank's last byte is its own trimmed form. The list
// trims some ten thousand fields per build.
std::string_view Trimmed(std::string_view text, std::string& storage) {
  if (text.empty()) return text;
  const char first = text.front();
  const char last = text.back();
  if (first != ' ' && first != kFullWidthSpace[0] && last != ' ' && last != kFullWidthSpace[1]) return text;
  storage = TrimBlanks(text);
  return storage;
}

// Appends `text` cut or padded to exactly `width` cells. A text shorter than the width is never
// cut; a longer one is cut by its first `width` bytes alone, so only those are copied.
void AppendFitted(std::string& out, std::string_view text, int width) {
  const size_t cells = static_cast<size_t>(std::max(width, 0));
  if (text.size() < cells) {
    out += text;
    out.append(cells - text.size(), ' ');
    return;
  }
  std::string cut(text.substr(0, cells));
  FitToHalfWidth(cut, width, true);
  out += cut;
}

// Appends `part` trimmed, after one space when `joined` already holds something.
void JoinTrimmed(std::string& joined, std::string_view prefix, std::string_view part) {
  std::string storage;
  const std::string_view trimmed = Trimmed(part, storage);
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
  std::string storage;
  AppendFitted(out, Trimmed(text, storage), width);
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
    case ListItemMode::History: {
      std::string history = record.*kItemFields[static_cast<size_t>(kind)];
      FitHistoryTail(history, width);
      out += history;
      return;
    }
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
