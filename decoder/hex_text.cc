#include "hex_text.h"

#include <array>
#include <cstring>

namespace tavrik {
namespace {

// "00 " to "FF ", so that a byte costs one table look-up.
constexpr std::array<std::array<char, 3>, 256> kHexTokens = [] {
  std::array<std::array<char, 3>, 256> tokens{};
  for (std::size_t byte = 0; byte < 256; ++byte) {
    tokens[byte] = {kHexDigits[byte >> 4], kHexDigits[byte & 0x0F], ' '};
  }
  return tokens;
}();

int UppercaseHexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

char* WriteHexText(std::span<const std::uint8_t> bytes, char* out) {
  for (std::uint8_t byte : bytes) {
    std::memcpy(out, kHexTokens[byte].data(), 3);
    out += 3;
  }
  return out;
}

HexText ToHexText(std::span<const std::uint8_t> bytes) {
  HexText text(bytes.size() * 3, '\0');
  WriteHexText(bytes, text.data());
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

bool IsWellFormedHexText(std::string_view text) { return ParseHexText(text).has_value(); }

}  // namespace tavrik
