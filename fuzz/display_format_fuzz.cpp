// The display-format file reader, and the list builder under whatever format a file holds.
#include <cstdint>
#include <string>

#include "book/address_book.h"
#include "list/display_format_file.h"
#include "list/list_text_builder.h"
#include "text/cp932.h"

namespace {

const mirelon::AddressBook& SampleBook() {
  static const mirelon::AddressBook book = [] {
    using namespace mirelon::literals;
    mirelon::AddressBook made;
    made.Read(mirelon::BookFileKind::ImportFile, "あおき,100-0001,東京都千代田区千代田1-1,表参道ビル,株式会社,営業部,部長,青木一郎,様,花子,様,太郎,"
              "くん,次郎,さん,03-1234-5678,03-1234-5679,090-1234-5678,a@example.jp,一行目\\n二行目,メモ,"
              "送信する,□□後,□○○\r\n"
              "いとう,１２３－４５６７,大阪府,,,,,伊藤,殿,,,,,,,,,,,,,送信しない,×,○\r\n"
              "うえだ\r\n"_sjis);
    return made;
  }();
  return book;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace mirelon;
  DisplayFormat format;
  std::string file(reinterpret_cast<const char*>(data), size);
  if (DecodeDisplayFormatFile(file, format) != nullptr) {
    // Also build under the raw values of a file that is refused, as if it were read.
    file.resize(kDisplayFormatFileSize);
    file.replace(0, 8, std::string("Mirelon\0", 8));
    DecodeDisplayFormatFile(file, format);
  }
  const std::string text = BuildListText(SampleBook(), format);
  (void)text;
  return 0;
}
