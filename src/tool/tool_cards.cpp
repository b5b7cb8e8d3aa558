// mirelon-tool cards: the address sides of a book's cards as a PDF file, one page per card, with
// the printing dialog's choices as options and its check before printing on standard error.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "book/address_book.h"
#include "cards/card_check.h"
#include "cards/card_layout.h"
#include "cards/card_records.h"
#include "cards/card_render.h"
#include "cards/postal_code_cells.h"
#include "platform/utf8_path.h"
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

// "X,Y" in millimetres, each within the offsets' range, to tenths.
std::optional<std::pair<int, int>> ParseOffset(std::string_view text) {
  const size_t comma = text.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  int tenths[2];
  const std::string_view parts[2] = {text.substr(0, comma), text.substr(comma + 1)};
  for (int k = 0; k < 2; ++k) {
    double mm = 0;
    const auto [end, error] = std::from_chars(parts[k].data(), parts[k].data() + parts[k].size(), mm);
    if (error != std::errc() || end != parts[k].data() + parts[k].size()) return std::nullopt;
    tenths[k] = static_cast<int>(std::lround(mm * 10));
    if (std::abs(tenths[k]) > kMaxOffsetTenths) return std::nullopt;
  }
  return std::pair{tenths[0], tenths[1]};
}

struct CardsOptions {
  std::string source;
  std::string pdf;
  std::string records = "send";
  bool calibration = false;
  CardSettings settings;
};

// Fills `options` from the command line; false for anything it does not know or cannot use.
bool ParseCardsOptions(const std::vector<std::string>& args, CardsOptions& options, ToolOutput& out) {
  CardSettings& settings = options.settings;
  settings.printSender = false;
  const std::pair<const char*, std::string*> senderTexts[] = {
      {"--sender-code", &settings.sender.postalCode},   {"--sender-address", &settings.sender.address1},
      {"--sender-address2", &settings.sender.address2}, {"--sender-name", &settings.sender.name},
      {"--sender-joint", &settings.sender.jointName},
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    const auto sender = std::find_if(std::begin(senderTexts), std::end(senderTexts),
                                     [&](const auto& entry) { return arg == entry.first; });
    if (sender != std::end(senderTexts) && hasValue) {
      Cp932Encoded text = Utf8ToCp932(args[++i]);
      if (!text.ok()) {
        out.Report(arg + " の「" + args[i] + "」は Shift-JIS で表せない文字を含みます");
        return false;
      }
      *sender->second = std::move(text.bytes);
      settings.printSender = true;
    } else if (arg == "--pdf" && hasValue) {
      options.pdf = args[++i];
    } else if (arg == "--records" && hasValue) {
      options.records = args[++i];
    } else if (arg == "--stock" && hasValue) {
      const std::optional<CardStock> stock = ParseStock(args[++i]);
      if (!stock) return false;
      settings.stock = *stock;
    } else if (arg == "--numbers" && hasValue) {
      const std::optional<NumberStyle> style = ParseNumbers(args[++i]);
      if (!style) return false;
      settings.numberStyle = *style;
    } else if ((arg == "--offset" || arg == "--sender-offset") && hasValue) {
      const std::optional<std::pair<int, int>> offset = ParseOffset(args[++i]);
      if (!offset) {
        out.Report(arg + " には -5.0〜5.0 の mm を X,Y で指定してください (例: 1.5,-0.3)");
        return false;
      }
      const bool card = arg == "--offset";
      (card ? settings.offsetXTenths : settings.senderOffsetXTenths) = offset->first;
      (card ? settings.offsetYTenths : settings.senderOffsetYTenths) = offset->second;
    } else if (arg == "--rotate180") {
      settings.rotate180 = true;
    } else if (arg == "--no-default-honorific") {
      settings.defaultHonorific = false;
    } else if (arg == "--keep-joint-family") {
      settings.omitJointFamily = false;
    } else if (arg == "--calibration") {
      options.calibration = true;
    } else if (options.source.empty() && !arg.starts_with("--")) {
      options.source = arg;
    } else {
      return false;
    }
  }
  if (settings.printSender && !PostalCodeDigits(settings.sender.postalCode)) {
    out.Report("--sender-code の「" + Cp932ToUtf8(settings.sender.postalCode) + "」は郵便番号として読めません");
    return false;
  }
  return !options.pdf.empty() && (options.calibration || !options.source.empty());
}

FileIoResult WritePdf(const std::string& pdf, const std::vector<CardLayout>& cards, ToolOutput& out) {
  const FileIoResult written = WriteCardsPdf(PathFromUtf8(pdf), cards);
  if (written != FileIoResult::Done) out.Report(pdf + " に書き込めませんでした");
  return written;
}

}  // namespace

int RunCards(const std::vector<std::string>& args, ToolOutput& out) {
  CardsOptions options;
  if (!ParseCardsOptions(args, options, out)) return kExitUsage;
  if (options.calibration) {
    if (WritePdf(options.pdf, {LayoutCalibrationSheet(options.settings)}, out) != FileIoResult::Done) {
      return kExitFailure;
    }
    out.Report("位置確認用紙を " + options.pdf + " に書き込みました");
    return kExitSuccess;
  }

  AddressBook book;
  if (!ReadToolBook(book, PathFromUtf8(options.source), out)) return kExitFailure;
  const std::optional<std::vector<int>> indices = SelectRecords(options.records, book, out);
  if (!indices) return kExitFailure;
  if (indices->empty()) {
    out.Report("宛名面を印刷する宛先がありません: " + options.pdf + " は書き込みませんでした");
    return kExitFailure;
  }

  std::vector<CardLayout> cards;
  for (const int index : *indices) cards.push_back(LayoutCard(book.record(index), options.settings));
  // The check tells what would come out wrong; the cards are written all the same.
  for (const CardProblem& problem : CheckCards(book, *indices, cards, options.settings, FontCoverage())) {
    out.Report(CardProblemLine(problem));
  }
  if (WritePdf(options.pdf, cards, out) != FileIoResult::Done) return kExitFailure;
  out.Report(std::to_string(cards.size()) + " 枚の宛名面を " + options.pdf + " に書き込みました");
  return kExitSuccess;
}

}  // namespace mirelon::tool
