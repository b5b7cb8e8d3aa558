// Fixtures for the postal engine tests: data files written in either encoding from UTF-8 rows, a
// stand-in for the result dialogs, and a test base that runs every case on both engines.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "postal/postal_files.h"
#include "postal/postal_lookup.h"
#include "postal/postal_result_text.h"
#include "postal/wide_conversion.h"
#include "support/recording_prompt.h"
#include "support/temp_folder.h"
#include "text/cp932.h"

namespace mirelon::test {

using Row = std::vector<std::string_view>;  // UTF-8 fields, the code first

inline std::string LittleEndianBytes(std::u16string_view units) {
  std::string bytes;
  for (const char16_t unit : units) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

// A data file as the sibling program writes it: every field quoted, CR LF; the UTF-16 variant
// converted with the engine's own table (the wave dash as U+301C), little-endian.
inline void WriteDataFile(const std::filesystem::path& path, const std::vector<Row>& rows, bool unicode,
                          bool byteOrderMark = false) {
  std::string sjis;
  for (const Row& row : rows) {
    for (size_t i = 0; i < row.size(); ++i) sjis += (i ? ",\"" : "\"") + Sjis(row[i]) + "\"";
    sjis += "\r\n";
  }
  if (!unicode) {
    WriteBytes(path, sjis);
    return;
  }
  WriteBytes(path, LittleEndianBytes((byteOrderMark ? u"\xFEFF" : u"") + SjisToWide(sjis)));
}

inline std::string U8(std::string_view sjis) { return Cp932ToUtf8(sjis); }

// Answers like the real dialogs: OK composes the chosen row's texts under the options it leaves.
class ScriptedDialogs final : public PostalResultDialogs {
 public:
  std::vector<PostalDialogRequest> requests;
  bool answerOk = true;
  size_t choice = 0;
  bool rewriteAddress = false;
  std::optional<LookupOptions> userOptions;  // what the user ticks; default: as offered
  bool busy = false;
  bool busyDuringDialog = false;

  PostalDialogAnswer Show(const PostalDialogRequest& request) override {
    requests.push_back(request);
    busyDuringDialog = busyDuringDialog || busy;
    if (!answerOk) return {};
    PostalDialogAnswer answer;
    answer.ok = true;
    answer.options = userOptions.value_or(request.options);
    const PostalRow& row = request.rows.at(choice);
    answer.codeText = ComposeCodeText(row.code, answer.options.bangoHyphen, answer.options.bangoZenkaku);
    answer.addressText = ComposeAddressText(row, answer.options.kenmeiNashi);
    answer.businessName = row.businessName;
    answer.rewriteAddress = rewriteAddress;
    return answer;
  }
  void SetBusy(bool on) override { busy = on; }

  // The list lines of the last dialog, in UTF-8.
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    const PostalDialogRequest& last = requests.at(requests.size() - 1);
    for (const PostalRow& row : last.rows) lines.push_back(U8(ComposeListLine(last.kind, row)));
    return lines;
  }
};

template <class E>
class PostalEngineTest : public ::testing::Test {
 protected:
  static constexpr bool kUnicode = E::kUnicode;

  std::filesystem::path AddressFile() const {
    return folder / (kUnicode ? kWideAddressFileName : kSjisAddressFileName);
  }
  std::filesystem::path BusinessFile() const { return BusinessFilePath(AddressFile(), kUnicode); }
  void WriteAddresses(const std::vector<Row>& rows) { WriteDataFile(AddressFile(), rows, kUnicode); }
  void WriteBusinesses(const std::vector<Row>& rows) { WriteDataFile(BusinessFile(), rows, kUnicode); }

  // One press of the search button with UTF-8 texts.
  BasicPostalLookup<E>& Lookup(std::string_view code, std::string_view address, std::string_view company = "") {
    engine = std::make_unique<BasicPostalLookup<E>>(prompt, &dialogs, options);
    engine->Lookup(Sjis(code), Sjis(address), Sjis(company), AddressFile());
    return *engine;
  }

  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const std::string& text : prompt.shown) texts.push_back(U8(text));
    return texts;
  }

  TempFolder folder;
  RecordingPrompt prompt;
  ScriptedDialogs dialogs;
  LookupOptions options;
  std::unique_ptr<BasicPostalLookup<E>> engine;
};

struct EngineNames {
  template <class E>
  static std::string GetName(int) {
    return E::kUnicode ? "Wide" : "Sjis";
  }
};
using BothEngines = ::testing::Types<SjisEncoding, WideEncoding>;

}  // namespace mirelon::test
