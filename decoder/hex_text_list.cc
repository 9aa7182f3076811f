#include "hex_text_list.h"

namespace tavrik {

std::span<const std::uint8_t> HexTextList::Bytes(std::size_t index) const {
  if (index >= ends_.size()) return {};
  const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
  return std::span<const std::uint8_t>(bytes_).subspan(begin, ends_[index] - begin);
}

void HexTextList::Append(std::span<const std::uint8_t> entry) {
  bytes_.insert(bytes_.end(), entry.begin(), entry.end());
  ends_.push_back(bytes_.size());
}

void HexTextList::Clear() {
  // Give the memory back: a large capture's lists must not outlive it.
  std::vector<std::uint8_t>().swap(bytes_);
  std::vector<std::size_t>().swap(ends_);
}

}  // namespace tavrik
