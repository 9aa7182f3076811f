#include "kiss_unescape.h"

#include <algorithm>

#include "kiss.h"

namespace tavrik {

void KissUnescape(std::span<const std::uint8_t> stored, std::vector<std::uint8_t>& out) {
  auto next = stored.begin();
  for (;;) {
    const auto escape = std::find(next, stored.end(), kFesc);
    out.insert(out.end(), next, escape);
    if (escape == stored.end() || escape + 1 == stored.end()) return;
    if (escape[1] == kTfend) {
      out.push_back(kFend);
    } else if (escape[1] == kTfesc) {
      out.push_back(kFesc);
    }
    next = escape + 2;
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
