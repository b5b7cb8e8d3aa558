// The CP932 codec: decoding any bytes and encoding the result gives text that decodes to the same
// characters, and valid text comes back byte for byte once in the codes Windows writes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "text/cp932.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace mirelon;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::u16string decoded = Cp932ToUtf16(bytes);
  std::erase(decoded, u'\uFFFD');
  const Cp932Encoded encoded = Utf16ToCp932(decoded);
  if (!encoded.ok() || Cp932ToUtf16(encoded.bytes) != decoded) std::abort();
  if (Utf16ToCp932(Cp932ToUtf16(encoded.bytes)).bytes != encoded.bytes) std::abort();
  // The UTF-8 side agrees with the UTF-16 side.
  if (Utf8ToCp932(Cp932ToUtf8(encoded.bytes)).bytes != encoded.bytes) std::abort();
  // Any UTF-8: what encodes comes back as the same characters.
  const Cp932Encoded fromUtf8 = Utf8ToCp932(bytes);
  if (fromUtf8.ok() && Cp932ToUtf8(fromUtf8.bytes) != bytes && IsValidUtf8(bytes)) {
    // Only characters with a second code may differ; they must encode the same again.
    if (Utf8ToCp932(Cp932ToUtf8(fromUtf8.bytes)).bytes != fromUtf8.bytes) std::abort();
  }
  return 0;
}
