#include "text/collation.h"

#include <unicode/coll.h>
#include <unicode/locid.h>

#include <memory>
#include <stdexcept>

#include "text/cp932.h"

namespace mirelon {
namespace {

// Built once: opening the Japanese tailoring costs far more than any comparison. A const collator
// may be shared between threads.
const icu::Collator& JapaneseCollator() {
  static const std::unique_ptr<icu::Collator> collator = [] {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> made(icu::Collator::createInstance(icu::Locale::getJapanese(), status));
    if (U_FAILURE(status)) throw std::runtime_error(std::string("Japanese collator unavailable: ") + u_errorName(status));
    return made;
  }();
  return *collator;
}

icu::UnicodeString ToIcu(std::string_view sjis) {
  const std::u16string text = Cp932ToUtf16(sjis);
  return icu::UnicodeString(text.data(), static_cast<int32_t>(text.size()));
}

int Sign(int value) { return (value > 0) - (value < 0); }

}  // namespace

int CollateNames(std::string_view a, std::string_view b) {
  UErrorCode status = U_ZERO_ERROR;
  const UCollationResult order = JapaneseCollator().compare(ToIcu(a), ToIcu(b), status);
  if (U_SUCCESS(status) && order != UCOL_EQUAL) return order;
  // The collator calls some different names equal (ignorable characters, undecodable bytes):
  // the bytes decide, so that only the same name is equal.
  return Sign(a.compare(b));
}

std::string CollationKey(std::string_view name) {
  const icu::Collator& collator = JapaneseCollator();
  const icu::UnicodeString text = ToIcu(name);
  std::string key(name.size() * 4 + 16, '\0');
  int32_t size = collator.getSortKey(text, reinterpret_cast<uint8_t*>(key.data()), static_cast<int32_t>(key.size()));
  if (size > static_cast<int32_t>(key.size())) {
    key.resize(size);
    size = collator.getSortKey(text, reinterpret_cast<uint8_t*>(key.data()), size);
  }
  // The collator's key ends in its only zero byte, so the name's bytes after it break ties in the
  // same way as CollateNames.
  key.resize(size);
  key.append(name);
  return key;
}

}  // namespace mirelon
