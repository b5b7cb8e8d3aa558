// Text for a console window reaches it in whole characters, however the program's writes cut its
// bytes: a cut character would show as a stray mark.
#include "platform/windows/console_text.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace mirelon {
namespace {

std::string Encoded(unsigned codePage, const std::wstring& text) {
  std::string bytes(static_cast<size_t>(text.size() * 4), '\0');
  bytes.resize(static_cast<size_t>(WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()),
                                                       bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr)));
  return bytes;
}

TEST(ConsoleText, CharactersCutBetweenWritesAreShownWhole) {
  // CP932 trail bytes 0x5C (表, ソ, 能) and a backslash; UTF-8 sequences of three and four bytes
  // (the last character is not in CP932, whose text ends before it).
  const std::wstring text = L"表示\\ソ能 山田様 𠀋\r\n";
  for (const unsigned codePage : {static_cast<unsigned>(CP_UTF8), 932u}) {
    const std::wstring expected = codePage == 932 ? text.substr(0, text.size() - 4) + L"\r\n" : text;
    const std::string bytes = Encoded(codePage, expected);
    for (const size_t piece : {1, 2, 3}) {
      SCOPED_TRACE(testing::Message() << "code page " << codePage << ", " << piece << " bytes a write");
      std::wstring shown;
      {
        ConsoleTextBuffer buffer(codePage, [&](std::wstring_view characters) { shown += characters; });
        std::ostream stream(&buffer);
        for (size_t at = 0; at < bytes.size(); at += piece) {
          stream.write(bytes.data() + at, static_cast<std::streamsize>(std::min(piece, bytes.size() - at)));
          ASSERT_EQ(expected.substr(0, shown.size()), shown);
        }
      }
      EXPECT_EQ(shown, expected);
    }
  }
}

}  // namespace
}  // namespace mirelon
