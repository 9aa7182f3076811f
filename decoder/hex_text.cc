#include "hex_text.h"

namespace tavrik {
namespace {

int UppercaseHexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

HexText ToHexText(std::span<const std::uint8_t> bytes) {
  HexText text;
  text.reserve(bytes.size() * 3);
  for (std::uint8_t byte : bytes) AppendHexByte(text, byte);
  return text;
}

std::optional<std::vector<std::uint8_t>> ParseHexText(std::string_view text) {
  if (text.size() % 3 != 0) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  bytes.reserve(text.size() / 3);
  for (std::size_t i = 0; i < text.size(); i += 3) {
    const int high = UppercaseHexDigitValue(text[i]);
    const int low = UppercaseHexDigitValue(text[i + 1]);
    if (high < 0 || low < 0 || text[i + 2] != ' ') return std::nullopt;
    bytes.push_back(static_cast<std::uint8_t>(high << 4 | low));
  }
  return bytes;
}

bool IsWellFormedHexText(std::string_view text) {
  return ParseHexText(text).has_value();
}

}  // namespace tavrik
