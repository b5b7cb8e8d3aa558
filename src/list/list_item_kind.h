// The items a slot of the list table can show; the code is stored in the display format, in the
// registry and in format files, and is the index in the format dialog's item lists.
#pragma once

#include <array>
#include <string>

namespace mirelon {

class AddressBook;

enum class ListItemKind {
  Blank = 0,
  RegistrationName = 1,
  Name = 2,
  Honorific = 3,
  PostalCode = 4,
  ComposedAddress = 5,
  Address1 = 6,
  Address2 = 7,
  Company1 = 8,
  Company2 = 9,
  Position = 10,
  JointName1 = 11,
  JointHonorific1 = 12,
  JointName2 = 13,
  JointHonorific2 = 14,
  JointName3 = 15,
  JointHonorific3 = 16,
  ComposedPhone = 17,
  Phone = 18,
  Fax = 19,
  Mobile = 20,
  Email = 21,
  Memo1 = 22,
  Memo2 = 23,
  InitialSendState = 24,
  SendHistory = 25,
  ReceiveHistory = 26,
};

inline constexpr int kListItemKindCount = 27;

// How an item's text is fitted into its slot.
enum class ListItemMode { Blank, Plain, Memo, History };

// Any code outside 0..26 (possible from the registry or a format file) is a blank item.
constexpr ListItemMode ModeOfItem(int code) {
  switch (static_cast<ListItemKind>(code)) {
    case ListItemKind::Memo1:
    case ListItemKind::Memo2:
      return ListItemMode::Memo;
    case ListItemKind::SendHistory:
    case ListItemKind::ReceiveHistory:
      return ListItemMode::History;
    default:
      return code >= 1 && code < kListItemKindCount ? ListItemMode::Plain : ListItemMode::Blank;
  }
}

// The 27 labels in code order (CP932); entries 22 and 23 are the book's current memo titles.
std::array<std::string, kListItemKindCount> ListItemLabels(const AddressBook& book);

}  // namespace mirelon
