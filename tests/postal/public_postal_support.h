// Lines of the public postal-code list in its published layouts, built from the fields the
// sibling's files keep; the other columns carry plausible fillers.
#pragma once

#include <string>
#include <string_view>

namespace mirelon::test {

inline std::string PublicField(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

// An address line in UTF-8 (15 columns: code 3, prefecture 7, city 8, town area 9), CR LF.
inline std::string PublicAddressLine(std::string_view code, std::string_view prefecture, std::string_view city,
                                     std::string_view town) {
  return "\"13101\",\"100  \"," + PublicField(code) + ",\"ﾄｳｷｮｳﾄ\",\"ﾁﾖﾀﾞｸ\",\"ﾏﾙﾉｳﾁ\"," + PublicField(prefecture) + "," +
         PublicField(city) + "," + PublicField(town) + ",0,0,0,0,0,0\r\n";
}

// A business line in UTF-8 (13 columns: name 3, prefecture 4, city 5, town area 6, detail 7, code 8).
inline std::string PublicBusinessLine(std::string_view code, std::string_view name, std::string_view prefecture,
                                      std::string_view city, std::string_view town, std::string_view detail) {
  return "\"13101\",\"ｶﾌﾞｼｷｶﾞｲｼﾔ ﾃｽﾄ\"," + PublicField(name) + "," + PublicField(prefecture) + "," + PublicField(city) +
         "," + PublicField(town) + "," + PublicField(detail) + "," + PublicField(code) + ",\"100  \",\"銀座\",0,0,0\r\n";
}

}  // namespace mirelon::test
