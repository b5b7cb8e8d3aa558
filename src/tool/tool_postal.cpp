#include "tool/tool_postal.h"

#include "postal/postal_files.h"
#include "postal/postal_lookup.h"

namespace mirelon::tool {

std::unique_ptr<PostalSearch> PostalEngineFor(const std::filesystem::path& addressFile, UserPrompt& prompt,
                                              PostalResultDialogs* dialogs) {
  return MakePostalLookup(addressFile.filename() == kWideAddressFileName, prompt, dialogs);
}

}  // namespace mirelon::tool
