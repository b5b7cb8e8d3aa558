#include "list/list_status_text.h"

#include <array>
#include <cstdio>

#include "text/cp932.h"

namespace mirelon {

std::string ListStatusText(const DisplayFormat& format) {
  static const std::array<std::string, 7> kFilterLabels = {
      Sjis("              すべて表示"), Sjis("  初期状態で送信するもの"), Sjis("  最新履歴で送信するもの"),
      Sjis("  前回履歴で送信するもの"), Sjis("初期状態で送信しないもの"), Sjis("最新履歴で送信しないもの"),
      Sjis("前回履歴で送信しないもの"),
  };
  static const std::array<std::string, 2> kNumberingLabels = {Sjis("  連番  "), Sjis("  ページ")};
  static const std::string kCountSuffix = Sjis("件");

  std::string text;
  const bool numbered = format.numbering == 0 || format.numbering == 1;
  if (!numbered) text = "        ";
  text += kFilterLabels[format.filter >= 1 && format.filter <= 6 ? static_cast<size_t>(format.filter) : 0];
  if (numbered) text += kNumberingLabels[static_cast<size_t>(format.numbering)];
  char count[16];
  std::snprintf(count, sizeof count, "%5d", format.displayedCount);
  text += count;
  text += kCountSuffix;
  return text;
}

}  // namespace mirelon
