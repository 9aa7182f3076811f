#include "capture/kiss_escape.h"

namespace tavrik::capture {

std::vector<std::uint8_t> KissEscape(std::span<const std::uint8_t> bytes) {
  std::vector<std::uint8_t> escaped;
  escaped.reserve(bytes.size());
  for (const std::uint8_t byte : bytes) {
    if (byte == kFend) {
      escaped.insert(escaped.end(), {kFesc, kTfend});
    } else if (byte == kFesc) {
      escaped.insert(escaped.end(), {kFesc, kTfesc});
    } else {
      escaped.push_back(byte);
    }
  }
  return escaped;
}

}  // namespace tavrik::capture
