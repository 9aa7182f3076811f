#include "kiss_unescape.h"

#include "kiss.h"

namespace tavrik {

void KissUnescape(std::span<const std::uint8_t> stored, std::vector<std::uint8_t>& out) {
  for (std::size_t i = 0; i < stored.size(); ++i) {
    if (stored[i] != kFesc) {
      out.push_back(stored[i]);
      continue;
    }
    if (++i == stored.size()) break;
    if (stored[i] == kTfend) {
      out.push_back(kFend);
    } else if (stored[i] == kTfesc) {
      out.push_back(kFesc);
    }
  }
}

void UnescapeAll(const HexTextList& stored, HexTextList& frames) {
  // Un-escaping never lengthens a frame.
  frames.ReserveBytes(frames.TotalBytes() + stored.TotalBytes());
  std::vector<std::uint8_t> frame;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    frame.clear();
    KissUnescape(stored.Bytes(i), frame);
    frames.Append(frame);
  }
}

}  // namespace tavrik
