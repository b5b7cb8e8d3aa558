#include "postal/postal_words.h"

#include <string_view>

#include "postal/wide_text.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

constexpr std::array<std::string_view, kPrefectureCount> kPrefectureNames = {
    "北海道", "青森県", "岩手県", "宮城県", "秋田県", "山形県", "福島県", "東京都", "神奈川県", "埼玉県",
    "千葉県", "茨城県", "栃木県", "群馬県", "山梨県", "新潟県", "長野県", "富山県", "石川県", "福井県",
    "愛知県", "岐阜県", "静岡県", "三重県", "大阪府", "兵庫県", "京都府", "滋賀県", "奈良県", "和歌山県",
    "鳥取県", "島根県", "岡山県", "広島県", "山口県", "徳島県", "香川県", "愛媛県", "高知県", "福岡県",
    "佐賀県", "長崎県", "熊本県", "大分県", "宮崎県", "鹿児島県", "沖縄県"};

template <class Text>
Text Convert(std::string_view utf8);

template <>
std::string Convert<std::string>(std::string_view utf8) {
  return Sjis(utf8);
}

template <>
WideText Convert<WideText>(std::string_view utf8) {
  return WideText::FromSjis(Sjis(utf8));
}

template <class Text, size_t N>
std::array<CharFold<Text>, N> Folds(std::string_view from, std::string_view to) {
  // Both spellings are lists of three-byte UTF-8 characters, position by position.
  std::array<CharFold<Text>, N> folds;
  for (size_t i = 0; i < N; ++i) {
    folds[i] = {Convert<Text>(from.substr(3 * i, 3)), Convert<Text>(to.substr(3 * i, 3))};
  }
  return folds;
}

template <class Text>
PostalWords<Text> MakeWords() {
  PostalWords<Text> words;
  words.blanks = {Convert<Text>(" "), Convert<Text>("\t"), Convert<Text>("　")};
  words.catchAll = Convert<Text>("場合");
  words.openBracket = Convert<Text>("（");
  words.listComma = Convert<Text>("、");
  words.companyWords = {Convert<Text>("株式会社"), Convert<Text>("（株）"), Convert<Text>("　"),
                        Convert<Text>("（"),       Convert<Text>("）"),     Convert<Text>("・")};
  words.particleFolds = Folds<Text, 4>("ケヶ之乃", "ガガノノ");
  words.smallKanaFolds = Folds<Text, 11>("ャュョッァィゥェォヮヵ", "ヤユヨツアイウエオワカ");
  const std::string_view digits = "１２３４５６７８９";
  for (size_t i = 0; i < words.blockDigits.size(); ++i) words.blockDigits[i] = Convert<Text>(digits.substr(3 * i, 3));
  for (size_t i = 0; i < kPrefectureCount; ++i) words.prefectures[i] = Convert<Text>(kPrefectureNames[i]);
  return words;
}

}  // namespace

const std::array<std::string, kPrefectureCount>& PrefectureNames() { return Words<std::string>().prefectures; }

template <class Text>
const PostalWords<Text>& Words() {
  static const PostalWords<Text> words = MakeWords<Text>();
  return words;
}

template const PostalWords<std::string>& Words<std::string>();
template const PostalWords<WideText>& Words<WideText>();

}  // namespace mirelon
