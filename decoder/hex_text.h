// HexText: the text form in which the decoder holds and writes byte
// sequences. Each byte is two uppercase hexadecimal digits, high nibble
// first, followed by one space, so n bytes make 3n characters and byte i
// stands at characters 3i+1 and 3i+2 (counting from 1). The empty sequence
// is the empty text.
#ifndef TAVRIK_DECODER_HEX_TEXT_H_
#define TAVRIK_DECODER_HEX_TEXT_H_

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

using HexText = std::string;

inline constexpr char kHexDigits[] = "0123456789ABCDEF";

// Writes the HexText of `bytes` (3 characters a byte) from `out` on;
// returns the end of what it wrote.
char* WriteHexText(std::span<const std::uint8_t> bytes, char* out);

HexText ToHexText(std::span<const std::uint8_t> bytes);

// The bytes of a well-formed HexText; nothing for any other text.
std::optional<std::vector<std::uint8_t>> ParseHexText(std::string_view text);

bool IsWellFormedHexText(std::string_view text);

}  // namespace tavrik

#endif  // TAVRIK_DECODER_HEX_TEXT_H_
