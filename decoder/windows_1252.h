// Windows-1252 (Western European ANSI) text to UTF-8.
#ifndef TAVRIK_DECODER_WINDOWS_1252_H_
#define TAVRIK_DECODER_WINDOWS_1252_H_

#include <cstdint>
#include <span>
#include <string>

namespace tavrik {

// Each byte becomes the UTF-8 form of its Windows-1252 character; the five
// bytes the code page leaves undefined keep their own code points.
std::string Windows1252ToUtf8(std::span<const std::uint8_t> bytes);

}  // namespace tavrik

#endif  // TAVRIK_DECODER_WINDOWS_1252_H_
