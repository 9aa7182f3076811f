// KISS escaping of record data, as a capture program stores it in a .kss
// file: FEND (0xC0) becomes FESC TFEND (0xDB 0xDC), FESC (0xDB) becomes
// FESC TFESC (0xDB 0xDD), and every other byte is kept as it is.
#ifndef TAVRIK_CAPTURE_KISS_ESCAPE_H_
#define TAVRIK_CAPTURE_KISS_ESCAPE_H_

#include <cstdint>
#include <span>
#include <vector>

#include "decoder/kiss.h"

namespace tavrik::capture {

// The escaped form of `bytes`.
std::vector<std::uint8_t> KissEscape(std::span<const std::uint8_t> bytes);

}  // namespace tavrik::capture

#endif  // TAVRIK_CAPTURE_KISS_ESCAPE_H_
