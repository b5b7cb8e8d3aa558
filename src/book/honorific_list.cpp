#include "book/honorific_list.h"

#include <algorithm>

#include "book/address_book.h"
#include "text/cp932.h"
#include "text/sjis.h"
#include "text/text_mapping.h"

namespace mirelon {

namespace {

bool StartsWithIgnoringCase(const std::string& item, const std::string& prefix) {
  return item.size() >= prefix.size() && ToUpperCase(item.substr(0, prefix.size())) == ToUpperCase(prefix);
}

}  // namespace

std::vector<std::string> HonorificListItems(const AddressBook& book) {
  using namespace literals;
  std::vector<std::string> items{"様"_sjis, "先生"_sjis};
  const auto known = [&](const std::string& honorific) {
    return std::any_of(items.begin(), items.end(),
                       [&](const std::string& item) { return ToUpperCase(item) == ToUpperCase(honorific); });
  };
  for (const AddressRecord& record : book.records()) {
    for (const std::string* honorific :
         {&record.honorific, &record.jointHonorific1, &record.jointHonorific2, &record.jointHonorific3}) {
      if (TrimmedBlanks(*honorific).empty() || known(*honorific)) continue;
      const auto before = std::find_if(items.begin(), items.end(),
                                       [&](const std::string& item) { return StartsWithIgnoringCase(item, *honorific); });
      items.insert(before, *honorific);
    }
  }
  items.emplace_back();
  return items;
}

}  // namespace mirelon
