#include "cards/card_check.h"

#include <cstdio>
#include <span>
#include <utility>

#include "book/address_book.h"
#include "cards/postal_code_cells.h"
#include "text/cp932.h"
#include "text/sjis.h"

namespace mirelon {

namespace {

constexpr char16_t kUndecodable = u'\uFFFD';

bool IsPrivateUse(char16_t c) { return c >= 0xE000 && c <= 0xF8FF; }
bool IsBlank(char16_t c) { return c == u' ' || c == u'　'; }

std::string CodePoint(char16_t c) {
  char text[16];
  std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(c));
  return text;
}

std::string Quoted(const std::string& sjis) { return "「" + Cp932ToUtf8(sjis) + "」"; }

using Field = std::pair<const char*, const std::string*>;

// Every character of `fields` that would not print as typed, told to `add` with where it is.
template <typename Add>
void CheckCharacters(std::span<const Field> fields, const GlyphCoverage& coverage, Add add) {
  for (const auto& [label, field] : fields) {
    const std::u16string text = Cp932ToUtf16(*field);
    for (size_t i = 0; i < text.size(); ++i) {
      const char16_t c = text[i];
      const std::string where = std::string(label) + "の" + std::to_string(i + 1) + "文字目";
      if (c == kUndecodable) {
        add(where + "は文字として読めません(〓で印刷します)");
      } else if (IsPrivateUse(c)) {
        // A 外字 shows as nothing without the user's own font: only its code tells it.
        add(where + " " + CodePoint(c) + " は外字です(正しく印刷できません)");
      } else if (!IsBlank(c) && !coverage.Covers(c)) {
        const std::string character = Cp932ToUtf8(Utf16ToCp932(std::u16string(1, c)).bytes);
        add(where + "「" + character + "」(" + CodePoint(c) + ")を印字できるフォントがありません");
      }
    }
  }
}

class RecordCheck {
 public:
  RecordCheck(int page, const AddressRecord& record, std::vector<CardProblem>& problems)
      : page_(page), record_(record), problems_(problems) {}

  void Add(CardProblemKind kind, std::string detail) {
    problems_.push_back({page_, record_.registrationName, kind, std::move(detail)});
  }

  void PostalCode() {
    const std::optional<std::string> digits = PostalCodeDigits(record_.postalCode);
    if (digits && digits->empty()) {
      Add(CardProblemKind::NoPostalCode, "郵便番号がありません(枠は空欄のまま印刷します)");
    } else if (!digits) {
      Add(CardProblemKind::UnreadablePostalCode,
          "郵便番号" + Quoted(record_.postalCode) + "が読めません(枠は空欄のまま印刷します)");
    } else if (digits->size() != 7) {
      Add(CardProblemKind::ShortPostalCode, "郵便番号" + Quoted(record_.postalCode) + "が7桁ではありません");
    }
  }

  void Names(bool defaultHonorific) {
    const std::pair<const char*, std::pair<const std::string*, const std::string*>> names[] = {
        {"氏名", {&record_.name, &record_.honorific}},
        {"連名1", {&record_.jointName1, &record_.jointHonorific1}},
        {"連名2", {&record_.jointName2, &record_.jointHonorific2}},
        {"連名3", {&record_.jointName3, &record_.jointHonorific3}},
    };
    bool anyName = false;
    for (const auto& [label, fields] : names) {
      if (TrimmedBlanks(*fields.first).empty()) continue;
      anyName = true;
      if (!TrimmedBlanks(*fields.second).empty()) continue;
      Add(CardProblemKind::EmptyHonorific, std::string(label) + "の敬称が空欄です" +
                                               (defaultHonorific ? "(「様」を付けて印刷します)" : "(敬称なしで印刷します)"));
    }
    if (anyName) return;
    if (!TrimmedBlanks(record_.company1).empty() || !TrimmedBlanks(record_.company2).empty()) {
      Add(CardProblemKind::CompanyWithoutName,
          "氏名がなく会社名・部署名だけです(部署あてなら氏名に部署名、敬称に「御中」を)");
    } else {
      Add(CardProblemKind::NoName, "氏名がありません");
    }
  }

  void Characters(const GlyphCoverage& coverage) {
    const Field fields[] = {
        {"住所1", &record_.address1},       {"住所2", &record_.address2},       {"会社名1", &record_.company1},
        {"会社名2", &record_.company2},     {"役職", &record_.position},        {"氏名", &record_.name},
        {"敬称", &record_.honorific},       {"連名1", &record_.jointName1},     {"連名1の敬称", &record_.jointHonorific1},
        {"連名2", &record_.jointName2},     {"連名2の敬称", &record_.jointHonorific2}, {"連名3", &record_.jointName3},
        {"連名3の敬称", &record_.jointHonorific3},
    };
    CheckCharacters(fields, coverage, [this](std::string detail) { Add(CardProblemKind::MissingCharacter, std::move(detail)); });
  }

  void NameSize(const CardLayout& card) {
    if (card.nameSizePt == 0 || card.nameSizePt >= kNameToTextRatio * card.textSizePt) return;
    char detail[160];
    std::snprintf(detail, sizeof detail, "氏名(%.1fpt)が住所・会社名(%.1fpt)より十分大きく印刷できません",
                  card.nameSizePt, card.textSizePt);
    Add(CardProblemKind::NameNotLargest, detail);
  }

 private:
  int page_;
  const AddressRecord& record_;
  std::vector<CardProblem>& problems_;
};

}  // namespace

std::vector<CardProblem> CheckCards(const AddressBook& book, const std::vector<int>& records,
                                    const std::vector<CardLayout>& cards, const CardSettings& settings,
                                    const GlyphCoverage& coverage) {
  std::vector<CardProblem> problems;
  const SenderAddress& sender = settings.sender;
  if (settings.printSender) {
    // The sender prints on every card: told once, before the cards.
    const Field fields[] = {{"差出人の住所1", &sender.address1}, {"差出人の住所2", &sender.address2},
                            {"差出人の氏名", &sender.name}, {"差出人の連名", &sender.jointName}};
    CheckCharacters(fields, coverage, [&](std::string detail) {
      problems.push_back({0, "", CardProblemKind::MissingCharacter, std::move(detail)});
    });
  }
  for (size_t i = 0; i < records.size() && i < cards.size(); ++i) {
    RecordCheck check(static_cast<int>(i) + 1, book.record(records[i]), problems);
    check.PostalCode();
    check.Names(settings.defaultHonorific);
    check.Characters(coverage);
    check.NameSize(cards[i]);
  }
  return problems;
}

std::string CardProblemLine(const CardProblem& problem) {
  if (problem.page == 0) return "全部のはがき: " + problem.detail;
  return std::to_string(problem.page) + " 枚目 " + Cp932ToUtf8(problem.registrationName) + ": " + problem.detail;
}

}  // namespace mirelon
