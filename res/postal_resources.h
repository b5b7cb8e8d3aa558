// The postal result windows' resources: templates 139 to 146 (one per dialog kind), their control
// numbers (wx ids equal them) and tooltip tables.
#pragma once

#include "res/dialog_template.h"
#include "res/tooltip_entry.h"

namespace mirelon::res {

inline constexpr int kIdPostalOk = 1;
inline constexpr int kIdPostalCancel = 2;
inline constexpr int kIdPartialCopy = 1000;     // "部分ｺﾋﾟｰ" (address kind)
inline constexpr int kIdOmitPrefecture = 1176;  // "都道府県名を省く"
inline constexpr int kIdOfferedAddress = 1177;
inline constexpr int kIdTypedAddress = 1178;    // read-only
inline constexpr int kIdCodeText = 1179;        // code kind
inline constexpr int kIdHyphen = 1182;          // "ﾊｲﾌﾝで分ける"
inline constexpr int kIdFullWidth = 1183;       // "全角文字表示"
inline constexpr int kIdRewriteAddress = 1184;  // "住所も書き換える"
inline constexpr int kIdPostalRows = 1186;      // list kinds
inline constexpr int kIdOfferedBusiness = 1188; // business kinds
inline constexpr int kIdTypedCompany = 1189;    // business kinds, read-only

// Longest code and address text the dialogs hand back, and longest business name (bytes).
inline constexpr int kPostalTextLimit = 100;

// One template per dialog kind. Address kind: 139, 140, 144, 146 (one row, list, business one
// row, business list); code kind: 141, 142, 143, 145 in the same order.
inline constexpr int kAddressResultTemplate = 139;
inline constexpr int kAddressChoiceTemplate = 140;
inline constexpr int kCodeResultTemplate = 141;
inline constexpr int kCodeChoiceTemplate = 142;
inline constexpr int kBusinessCodeResultTemplate = 143;
inline constexpr int kBusinessAddressResultTemplate = 144;
inline constexpr int kBusinessCodeChoiceTemplate = 145;
inline constexpr int kBusinessAddressChoiceTemplate = 146;

// Template 139 to 146. In the address kind the two read-only edits are Custom controls (the
// dialog creates them as selection-aware edits).
const DialogTemplate& PostalResultTemplate(int number);
const std::vector<TooltipEntry>& PostalResultTooltips(bool codeKind, bool business);

}  // namespace mirelon::res
