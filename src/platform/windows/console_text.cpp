#include "platform/windows/console_text.h"

#include <windows.h>

namespace mirelon {
namespace {

// The length of `bytes` without a character cut at its end.
size_t CompleteLength(unsigned codePage, std::string_view bytes) {
  if (codePage == CP_UTF8) {
    // Back over continuation bytes to the last lead; keep it only if its sequence is whole.
    size_t start = bytes.size();
    for (int back = 0; back < 4 && start > 0; ++back) {
      const auto byte = static_cast<unsigned char>(bytes[start - 1]);
      if ((byte & 0xC0) != 0x80) {
        const size_t need = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return bytes.size() - (start - 1) >= need ? bytes.size() : start - 1;
      }
      --start;
    }
    return bytes.size();
  }
  // CP932: a lead byte left alone at the end waits for its trail byte.
  size_t i = 0;
  while (i < bytes.size()) {
    if (IsDBCSLeadByteEx(codePage, static_cast<BYTE>(bytes[i]))) {
      if (i + 1 == bytes.size()) return i;
      i += 2;
    } else {
      ++i;
    }
  }
  return bytes.size();
}

}  // namespace

ConsoleTextBuffer::ConsoleTextBuffer(unsigned codePage, std::function<void(std::wstring_view)> show)
    : codePage_(codePage), show_(std::move(show)) {}

ConsoleTextBuffer::~ConsoleTextBuffer() { Show(true); }

ConsoleTextBuffer::int_type ConsoleTextBuffer::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  const char byte = traits_type::to_char_type(c);
  xsputn(&byte, 1);
  return c;
}

std::streamsize ConsoleTextBuffer::xsputn(const char* bytes, std::streamsize count) {
  pending_.append(bytes, static_cast<size_t>(count));
  Show(false);
  return count;
}

void ConsoleTextBuffer::Show(bool all) {
  const size_t length = all ? pending_.size() : CompleteLength(codePage_, pending_);
  if (length == 0) return;
  const int size = static_cast<int>(length);
  std::wstring text(static_cast<size_t>(MultiByteToWideChar(codePage_, 0, pending_.data(), size, nullptr, 0)), L'\0');
  MultiByteToWideChar(codePage_, 0, pending_.data(), size, text.data(), static_cast<int>(text.size()));
  pending_.erase(0, length);
  show_(text);
}

}  // namespace mirelon
