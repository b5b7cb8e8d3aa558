#include "list/list_item_kind.h"

#include "book/address_book.h"
#include "text/cp932.h"

namespace mirelon {

std::array<std::string, kListItemKindCount> ListItemLabels(const AddressBook& book) {
  static const std::array<std::string, kListItemKindCount> kFixedLabels = {
      Sjis("空白"),           Sjis("登録名"),
      Sjis("名前"),           Sjis("敬称"),
      Sjis("郵便番号"),       Sjis("※住所結合"),
      Sjis("住所１行目"),     Sjis("住所２行目"),
      Sjis("会社・機関等１行目"), Sjis("会社・機関等２行目"),
      Sjis("身分・役職等"),   Sjis("連名１"),
      Sjis("敬称１"),         Sjis("連名２"),
      Sjis("敬称２"),         Sjis("連名３"),
      Sjis("敬称３"),         Sjis("※電話結合"),
      Sjis("電話番号"),       Sjis("FAX番号"),
      Sjis("携帯番号"),       Sjis("E-Mailアドレス"),
      std::string(),          std::string(),
      Sjis("履歴更新時の送信初期状態"), Sjis("送信履歴"),
      Sjis("受信履歴"),
  };
  std::array<std::string, kListItemKindCount> labels = kFixedLabels;
  labels[static_cast<size_t>(ListItemKind::Memo1)] = book.memoTitle1;
  labels[static_cast<size_t>(ListItemKind::Memo2)] = book.memoTitle2;
  return labels;
}

}  // namespace mirelon
