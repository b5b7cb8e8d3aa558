#include "postal/postal_lookup.h"

#include "postal/postal_lookup_book_check.h"
#include "postal/postal_lookup_searches.h"

namespace mirelon {

template class BasicPostalLookup<SjisEncoding>;

std::unique_ptr<PostalSearch> MakePostalLookup(bool unicode, UserPrompt& prompt, PostalResultDialogs* dialogs,
                                               LookupOptions options) {
  if (unicode) return std::make_unique<WidePostalLookup>(prompt, dialogs, options);
  return std::make_unique<PostalLookup>(prompt, dialogs, options);
}

}  // namespace mirelon
