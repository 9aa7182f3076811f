// KISS escaping of record data, as a capture program stores it in a .kss
// file: FEND (0xC0) becomes FESC TFEND (0xDB 0xDC), FESC (0xDB) becomes
// FESC TFESC (0xDB 0xDD), and every other byte is kept as it is.
#ifndef TAVRIK_CAPTURE_KISS_ESCAPE_H_
#define TAVRIK_CAPTURE_KISS_ESCAPE_H_

#include <cstdint>
#include <span>
#include <vector>

namespace tavrik::capture {

inline constexpr std::uint8_t kFend = 0xC0;
inline constexpr std::uint8_t kFesc = 0xDB;
inline constexpr std::uint8_t kTfend = 0xDC;
inline constexpr std::uint8_t kTfesc = 0xDD;

// The escaped form of `bytes`.
std::vector<std::uint8_t> KissEscape(std::span<const std::uint8_t> bytes);

}  // namespace tavrik::capture

#endif  // TAVRIK_CAPTURE_KISS_ESCAPE_H_
