// The postal data readers of both encodings, the searches, and the import of the public list,
// over fuzzed bytes.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "book/address_book.h"
#include "book/user_prompt.h"
#include "postal/postal_files.h"
#include "postal/postal_lookup.h"
#include "postal/postal_result.h"
#include "postal/public_postal_file.h"
#include "text/cp932.h"

namespace {

class Silent final : public mirelon::UserPrompt {
 public:
  bool Show(std::string_view, mirelon::PromptButtons) override { return false; }
};

class Cancelling final : public mirelon::PostalResultDialogs {
 public:
  mirelon::PostalDialogAnswer Show(const mirelon::PostalDialogRequest&) override { return {}; }
};

const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    const std::filesystem::path made =
        std::filesystem::temp_directory_path() / ("mirelon-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(made);
    return made;
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace mirelon;
  using namespace literals;
  AddressBook book;
  AddressRecord record;
  record.registrationName = "a";
  record.postalCode = "105-0011";
  record.address1 = "東京都港区芝公園"_sjis;
  book.AddRecord(record);
  Silent prompt;
  Cancelling dialogs;
  // The same bytes as either engine's data file.
  for (const bool unicode : {false, true}) {
    const std::filesystem::path file = Folder() / (unicode ? kWideAddressFileName : kSjisAddressFileName);
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    MakePostalLookup(unicode, prompt, &dialogs)->Lookup("1050011", "", "", file);
    MakePostalLookup(unicode, prompt, &dialogs)->Lookup("", "東京都港区芝公園"_sjis, "", file);
    MakePostalLookup(unicode, prompt, &dialogs)->Lookup("", "港区"_sjis, "株式会社"_sjis, file);
    MakePostalLookup(unicode, prompt, &dialogs)->CheckBookAddresses(book, file);
  }
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (const PublicPostalKind kind : {PublicPostalKind::Address, PublicPostalKind::Business}) {
    ConvertPublicPostalFile(bytes, kind, {});
  }
  return 0;
}
