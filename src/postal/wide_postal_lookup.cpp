// The UTF-16 engine: the same searches over WideText (postal/postal_encoding.h).
#include "postal/postal_lookup.h"

#include "postal/postal_lookup_book_check.h"
#include "postal/postal_lookup_searches.h"

namespace mirelon {

template class BasicPostalLookup<WideEncoding>;

}  // namespace mirelon
