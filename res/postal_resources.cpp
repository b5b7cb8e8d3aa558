#include "res/postal_resources.h"

namespace mirelon::res {
namespace {

constexpr int kWidth = 187;
constexpr int kTextX = 7;
constexpr int kTextWidth = 173;
constexpr int kBoxX = 41;

// Every control sits at the same x and size in every template that has it; only y varies.
ControlTemplate Rows(int height) { return {kIdPostalRows, ControlKind::ListBox, "", 7, 7, kTextWidth, height, kAutoHorizontalScroll}; }
ControlTemplate CodeText(int y) { return {kIdCodeText, ControlKind::Edit, "", 7, y, 50, 14, kStyleNone, kPostalTextLimit}; }
ControlTemplate Hyphen(int y) { return {kIdHyphen, ControlKind::CheckBox, "ﾊｲﾌﾝで分ける", 76, y, 58, 10}; }
ControlTemplate FullWidth(int y) { return {kIdFullWidth, ControlKind::CheckBox, "全角文字表示", 76, y, 57, 10}; }
ControlTemplate Rewrite(int y) { return {kIdRewriteAddress, ControlKind::CheckBox, "住所も書き換える", kBoxX, y, 67, 10}; }
ControlTemplate Omit(int y, unsigned style) {
  return {kIdOmitPrefecture, ControlKind::CheckBox, "都道府県名を省く", kBoxX, y, 67, 10, style};
}
ControlTemplate Offered(int id, int y, unsigned style) {
  return {id, ControlKind::Edit, "", kTextX, y, kTextWidth, 14, style | kAutoHorizontalScroll,
          id == kIdOfferedAddress ? kPostalTextLimit : 0};
}
// Code kind: a disabled read-only edit; address kind: created by the dialog, hidden at first.
ControlTemplate Typed(int id, int y, bool codeKind) {
  return codeKind ? ControlTemplate{id, ControlKind::Edit, "", kTextX, y, kTextWidth, 14, kReadOnly | kDisabled}
                  : ControlTemplate{id, ControlKind::Custom, "", kTextX, y, kTextWidth, 14, kReadOnly | kHidden};
}

void AddButtons(std::vector<ControlTemplate>& controls, int y, bool codeKind) {
  if (!codeKind) controls.push_back({kIdPartialCopy, ControlKind::Button, "部分ｺﾋﾟｰ", 31, y, 45, 14, kHidden | kDisabled});
  controls.push_back({kIdPostalOk, ControlKind::DefaultButton, "OK", 83, y, 45, 14});
  controls.push_back({kIdPostalCancel, ControlKind::Button, "ｷｬﾝｾﾙ", 135, y, 45, 14});
}

// Code kind: the address controls start disabled.
DialogTemplate CodeTemplate(int number, int height, std::vector<ControlTemplate> controls, int buttonsY) {
  AddButtons(controls, buttonsY, true);
  return {number, "郵便番号検索結果", kProportionalFace, 9, kWidth, height, std::move(controls)};
}

DialogTemplate AddressTemplate(int number, int height, std::vector<ControlTemplate> controls, int buttonsY) {
  AddButtons(controls, buttonsY, false);
  return {number, "住所検索結果", kProportionalFace, 9, kWidth, height, std::move(controls)};
}

DialogTemplate MakeTemplate(int number) {
  constexpr int kA = kIdOfferedAddress, kB = kIdOfferedBusiness, kTA = kIdTypedAddress, kTC = kIdTypedCompany;
  switch (number) {
    case kAddressResultTemplate:
      return AddressTemplate(kAddressResultTemplate, 89, {Offered(kA, 13, 0), Typed(kTA, 31, false), Omit(49, 0)}, 68);
    case kAddressChoiceTemplate:
      return AddressTemplate(kAddressChoiceTemplate, 129, {Rows(42), Offered(kA, 53, 0), Typed(kTA, 71, false), Omit(89, 0)}, 108);
    case kCodeResultTemplate:
      return CodeTemplate(kCodeResultTemplate, 125,
                          {CodeText(13), Hyphen(9), FullWidth(21), Offered(kA, 36, kDisabled), Typed(kTA, 54, true),
                           Rewrite(72), Omit(84, kDisabled)},
                          104);
    case kCodeChoiceTemplate:
      return CodeTemplate(kCodeChoiceTemplate, 185,
                          {Rows(58), Hyphen(70), CodeText(74), FullWidth(82), Offered(kA, 97, kDisabled),
                           Typed(kTA, 115, true), Rewrite(133), Omit(145, kDisabled)},
                          164);
    case kBusinessCodeResultTemplate:
      return CodeTemplate(kBusinessCodeResultTemplate, 161,
                          {CodeText(13), Hyphen(9), FullWidth(21), Offered(kA, 36, kDisabled), Offered(kB, 54, kDisabled),
                           Typed(kTA, 72, true), Typed(kTC, 90, true), Rewrite(108), Omit(120, kDisabled)},
                          140);
    case kBusinessAddressResultTemplate:
      return AddressTemplate(kBusinessAddressResultTemplate, 125,
                             {Offered(kA, 13, 0), Offered(kB, 31, 0), Typed(kTA, 49, false), Typed(kTC, 67, false),
                              Omit(85, 0)},
                             104);
    case kBusinessCodeChoiceTemplate:
      return CodeTemplate(kBusinessCodeChoiceTemplate, 221,
                          {Rows(58), Hyphen(70), CodeText(74), FullWidth(82), Offered(kA, 97, kDisabled),
                           Offered(kB, 115, kDisabled), Typed(kTA, 133, true), Typed(kTC, 151, true), Rewrite(169),
                           Omit(181, kDisabled)},
                          200);
    case kBusinessAddressChoiceTemplate:
      return AddressTemplate(kBusinessAddressChoiceTemplate, 165,
                             {Rows(42), Offered(kA, 53, 0), Offered(kB, 71, 0), Typed(kTA, 89, false),
                              Typed(kTC, 107, false), Omit(125, 0)},
                             144);
  }
  return {};
}

constexpr const char* kCodeTypedAddressTip =
    "既に入力されている住所の１行目と２行目を結合したものです。\r\nここは変更できませんが、範囲を選択して "
    "\"Ctrl\"＋\"C\" キーで\r\nクリップボードにコピーできます。";
constexpr const char* kCodeTypedCompanyTip =
    "既に入力されている会社・機関等です。\r\nここは変更できませんが、範囲を選択して \"Ctrl\"＋\"C\" "
    "キーで\r\nクリップボードにコピーできます。";
constexpr const char* kAddressTypedAddressTip =
    "既に入力されている住所の１行目と２行目を結合したものです。\r\nここは変更できませんが、範囲を選択すると"
    "「部分ｺﾋﾟｰ」のボタンが\r\n使用できるようになります。";
constexpr const char* kAddressTypedCompanyTip =
    "既に入力されている会社・機関等です。\r\nここは変更できませんが、範囲を選択すると「部分ｺﾋﾟｰ」のボタンが\r\n"
    "使用できるようになります。";
constexpr const char* kOfferedAddressTip = "ここに表示されているように住所の１行目が書き換わります。";
constexpr const char* kOfferedBusinessTip = "ここに表示されているように会社・機関等が書き換わります。";

std::vector<TooltipEntry> CodeTooltips(bool business) {
  return {
      {{kIdPostalRows}, "該当する郵便番号が複数見付かっています。\r\n適切なものを選択してください。"},
      {{kIdCodeText}, "入力される郵便番号です。"},
      {{kIdHyphen}, "郵便番号をハイフンで区切るかどうかを切り替えます。"},
      {{kIdFullWidth}, "郵便番号を全角文字で表示するかどうかを切り替えます。"},
      {{kIdOfferedAddress}, kOfferedAddressTip},
      {{kIdOfferedBusiness}, kOfferedBusinessTip},
      {{kIdTypedAddress}, kCodeTypedAddressTip},
      {{kIdTypedCompany}, kCodeTypedCompanyTip},
      {{kIdRewriteAddress},
       business ? "郵便番号だけでなく住所もここに表示されているように書き換えます。\r\n"
                  "住所の１行目と会社・機関等だけが書き換わりますので、\r\n住所の２行目は後で修正してください。"
                : "郵便番号だけでなく住所もここに表示されているように書き換えます。\r\n"
                  "住所の１行目だけが書き換わりますので２行目は後で修正してください。"},
      {{kIdOmitPrefecture}, "住所を書き換えるときに都道府県名を省くかどうかを切り替えます。"},
  };
}

std::vector<TooltipEntry> AddressTooltips(bool business) {
  return {
      {{kIdPostalRows}, "該当する住所が複数見付かっています。\r\n適切なものを選択してください。"},
      {{kIdOfferedAddress}, kOfferedAddressTip},
      {{kIdOfferedBusiness}, kOfferedBusinessTip},
      {{kIdTypedAddress}, kAddressTypedAddressTip},
      {{kIdTypedCompany}, kAddressTypedCompanyTip},
      {{kIdOmitPrefecture}, "都道府県名を省くかどうかを切り替えます。"},
      {{kIdPartialCopy}, business ? "選択されている範囲を上の住所欄または会社・機関等にコピーします。"
                                  : "選択されている範囲を上の住所欄にコピーします。"},
  };
}

}  // namespace

const DialogTemplate& PostalResultTemplate(int number) {
  static const std::vector<DialogTemplate> templates = [] {
    std::vector<DialogTemplate> all;
    for (int n = kAddressResultTemplate; n <= kBusinessAddressChoiceTemplate; ++n) all.push_back(MakeTemplate(n));
    return all;
  }();
  return templates.at(static_cast<size_t>(number - kAddressResultTemplate));
}

const std::vector<TooltipEntry>& PostalResultTooltips(bool codeKind, bool business) {
  static const std::vector<TooltipEntry> tables[] = {CodeTooltips(false), CodeTooltips(true), AddressTooltips(false),
                                                     AddressTooltips(true)};
  return tables[(codeKind ? 0 : 2) + (business ? 1 : 0)];
}

}  // namespace mirelon::res
