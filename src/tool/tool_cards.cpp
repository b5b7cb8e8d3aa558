// mirelon-tool cards: the address sides of a book's cards as a PDF file, one page per card.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "book/address_book.h"
#include "cards/card_layout.h"
#include "cards/card_records.h"
#include "cards/card_render.h"
#include "text/cp932.h"
#include "tool/tool_args.h"
#include "tool/tool_book.h"
#include "tool/tool_commands.h"
#include "tool/tool_output.h"

namespace mirelon::tool {

namespace {

std::optional<CardStock> ParseStock(std::string_view text) {
  if (text == "ordinary") return CardStock::Ordinary;
  if (text == "new-year") return CardStock::NewYear;
  if (text == "plain") return CardStock::PlainPaper;
  return std::nullopt;
}

std::optional<NumberStyle> ParseNumbers(std::string_view text) {
  if (text == "kanji") return NumberStyle::KanjiDigits;
  if (text == "tens") return NumberStyle::KanjiTens;
  if (text == "digits") return NumberStyle::FullWidthDigits;
  return std::nullopt;
}

// "send" (those the newest send mark sends), "all" (every record with an address), or record
// numbers as the window's pages count them: "1,3,5-7". Numbers past the book's end are reported.
std::optional<std::vector<int>> SelectRecords(const std::string& choice, const AddressBook& book, ToolOutput& out) {
  if (choice == "send") return DefaultCardRecords(book);
  std::vector<int> indices;
  if (choice == "all") {
    for (int i = 0; i < book.recordCount(); ++i) {
      if (HasCardAddress(book.record(i))) indices.push_back(i);
    }
    return indices;
  }
  std::string_view rest = choice;
  while (!rest.empty()) {
    const size_t comma = rest.find(',');
    const std::string_view item = rest.substr(0, comma);
    rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    const size_t dash = item.find('-');
    const std::optional<int> first = ParsePositiveNumber(item.substr(0, dash));
    const std::optional<int> last = dash == std::string_view::npos ? first : ParsePositiveNumber(item.substr(dash + 1));
    if (!first || !last || *last < *first) {
      out.Report("--records には send、all、または 1,3,5-7 のような番号を指定してください");
      return std::nullopt;
    }
    if (*last > book.recordCount()) {
      out.Report("レコード " + std::to_string(*last) + " はありません (この住所録は " +
                 std::to_string(book.recordCount()) + " 件です)");
      return std::nullopt;
    }
    for (int number = *first; number <= *last; ++number) indices.push_back(number - 1);
  }
  return indices;
}

}  // namespace

int RunCards(const std::vector<std::string>& args, ToolOutput& out) {
  std::string source;
  std::string pdf;
  std::string records = "send";
  CardSettings settings;
  for (size_t i = 0; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "--pdf" && hasValue) {
      pdf = args[++i];
    } else if (args[i] == "--records" && hasValue) {
      records = args[++i];
    } else if (args[i] == "--stock" && hasValue) {
      const std::optional<CardStock> stock = ParseStock(args[++i]);
      if (!stock) return kExitUsage;
      settings.stock = *stock;
    } else if (args[i] == "--numbers" && hasValue) {
      const std::optional<NumberStyle> style = ParseNumbers(args[++i]);
      if (!style) return kExitUsage;
      settings.numberStyle = *style;
    } else if (source.empty() && !args[i].starts_with("--")) {
      source = args[i];
    } else {
      return kExitUsage;
    }
  }
  if (source.empty() || pdf.empty()) return kExitUsage;

  AddressBook book;
  if (!ReadToolBook(book, source, out)) return kExitFailure;
  const std::optional<std::vector<int>> indices = SelectRecords(records, book, out);
  if (!indices) return kExitFailure;
  if (indices->empty()) {
    out.Report("宛名面を印刷する宛先がありません: " + pdf + " は書き込みませんでした");
    return kExitFailure;
  }

  std::vector<CardLayout> cards;
  for (const int index : *indices) {
    const AddressRecord& record = book.record(index);
    cards.push_back(LayoutCard(record, settings));
    if (cards.back().postalCodeUnreadable) {
      out.Report(Cp932ToUtf8(record.registrationName) + ": 郵便番号 \"" + Cp932ToUtf8(record.postalCode) +
                 "\" は読めないため枠を空けました");
    }
  }
  CardRenderReport report;
  if (WriteCardsPdf(std::filesystem::path(pdf), cards, report) != FileIoResult::Done) {
    out.Report(pdf + " に書き込めませんでした");
    return kExitFailure;
  }
  if (!report.missingCharacters.empty()) {
    std::string characters;
    for (const std::string& character : report.missingCharacters) characters += Cp932ToUtf8(character);
    out.Report("フォントにない文字は枠で印刷されます: " + characters);
  }
  out.Report(std::to_string(cards.size()) + " 枚の宛名面を " + pdf + " に書き込みました");
  return kExitSuccess;
}

}  // namespace mirelon::tool
