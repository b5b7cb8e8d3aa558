#include "cards/card_check.h"

#include <gtest/gtest.h>

#include "book/address_book.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

// Fonts that lack 髙.
class CoverageWithout final : public GlyphCoverage {
 public:
  bool Covers(char16_t c) const override { return c != u'髙'; }
};

AddressRecord Record(const char* registration, const char* code, const char* name, const char* honorific) {
  AddressRecord record;
  record.registrationName = Sjis(registration);
  record.postalCode = Sjis(code);
  record.address1 = Sjis("東京都港区芝公園4-2-8");
  record.name = Sjis(name);
  record.honorific = Sjis(honorific);
  return record;
}

std::vector<std::string> Lines(const AddressBook& book, const std::vector<int>& records, const CardSettings& settings) {
  std::vector<CardLayout> cards;
  for (const int record : records) cards.push_back(LayoutCard(book.record(record), settings));
  std::vector<std::string> lines;
  for (const CardProblem& problem : CheckCards(book, records, cards, settings, CoverageWithout())) {
    lines.push_back(CardProblemLine(problem));
  }
  return lines;
}

// A book crafted to hold one fault per record, checked in the order the cards print (page 1 is
// the first chosen record, whatever its place in the book).
TEST(CardCheck, NamesEveryCardThatWouldComeOutWrong) {
  AddressBook book;
  book.InsertRecordAt(0, Record("あおき", "100-0005", "青木　太郎", "様"));
  book.InsertRecordAt(1, Record("いとう", "", "伊藤　健司", ""));
  book.InsertRecordAt(2, Record("うえだ", "12-34", "上田　一", "様"));
  book.InsertRecordAt(3, Record("えとう", "980-0811", "", ""));
  book.record(3).company1 = Sjis("株式会社表計算研究所");
  book.record(3).company2 = Sjis("総務部");
  AddressRecord privateUse = Record("おおた", "060-01", "太田　", "様");
  privateUse.name += Sjis("\uE000");
  book.InsertRecordAt(4, privateUse);
  // A name of 40 characters cannot stay larger than the address however small the address gets.
  AddressRecord crowded = Record("かとう", "222-0033", "長谷川原田左右衛門之助太郎兵衛次郎三郎四郎五郎六郎七郎八郎九郎十郎百郎千郎", "様");
  crowded.address1 = Sjis("神奈川県横浜市港北区新横浜三丁目１９番地５号　新横浜第一セントラルビルディング北館");
  crowded.address2 = Sjis("ガーデンハイツ　グリーンヒルズ　東棟１２０３号");
  crowded.company1 = Sjis("独立行政法人国際交流推進機構東日本支部");
  crowded.company2 = Sjis("総務部第一課");
  crowded.jointName1 = Sjis("髙子");
  crowded.jointHonorific1 = Sjis("様");
  book.InsertRecordAt(5, crowded);

  CardSettings settings;
  const std::vector<std::string> expected = {
      "1 枚目 いとう: 郵便番号がありません(枠は空欄のまま印刷します)",
      "1 枚目 いとう: 氏名の敬称が空欄です(「様」を付けて印刷します)",
      "2 枚目 うえだ: 郵便番号「12-34」が読めません(枠は空欄のまま印刷します)",
      "3 枚目 えとう: 氏名がなく会社名・部署名だけです(部署あてなら氏名に部署名、敬称に「御中」を)",
      "4 枚目 おおた: 郵便番号「060-01」が7桁ではありません",
      "4 枚目 おおた: 氏名の4文字目 U+E000 は外字です(正しく印刷できません)",
      "5 枚目 かとう: 連名1の1文字目「髙」(U+9AD9)を印字できるフォントがありません",
      "5 枚目 かとう: 氏名(6.5pt)が住所・会社名(7.3pt)より十分大きく印刷できません",
  };
  EXPECT_EQ(Lines(book, {1, 2, 3, 4, 5, 0}, settings), expected);

  settings.defaultHonorific = false;
  EXPECT_EQ(Lines(book, {1}, settings)[1],
            "1 枚目 いとう: 氏名の敬称が空欄です(敬称なしで印刷します)");
  EXPECT_TRUE(Lines(book, {0}, settings).empty());
  settings.sender.name = Sjis("髙橋 誠");
  EXPECT_EQ(Lines(book, {0}, settings),
            std::vector<std::string>{"全部のはがき: 差出人の氏名の1文字目「髙」(U+9AD9)を印字できるフォントがありません"});
}

}  // namespace
}  // namespace mirelon
