// The byte values of the KISS framing used in .kss capture files.
#ifndef TAVRIK_DECODER_KISS_H_
#define TAVRIK_DECODER_KISS_H_

#include <cstdint>

namespace tavrik {

inline constexpr std::uint8_t kFend = 0xC0;   // frame end
inline constexpr std::uint8_t kFesc = 0xDB;   // frame escape
inline constexpr std::uint8_t kTfend = 0xDC;  // escaped FEND
inline constexpr std::uint8_t kTfesc = 0xDD;  // escaped FESC

inline constexpr std::uint8_t kDataFrameCommand = 0x00;
inline constexpr std::uint8_t kTimestampCommand = 0x09;

}  // namespace tavrik

#endif  // TAVRIK_DECODER_KISS_H_
