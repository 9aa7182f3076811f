// HexTextList: an ordered list of byte sequences, indexed from 0, whose
// entries read as HexText. A capture of many megabytes yields millions of
// short entries, so the bytes of all entries share one buffer: three times
// less memory than the text form and one allocation instead of millions.
// Reading an index past the end gives the empty sequence.
#ifndef TAVRIK_DECODER_HEX_TEXT_LIST_H_
#define TAVRIK_DECODER_HEX_TEXT_LIST_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "hex_text.h"

namespace tavrik {

class HexTextList {
 public:
  std::size_t size() const { return ends_.size(); }
  bool empty() const { return ends_.empty(); }

  // Entry `index` as bytes; empty past the end. The span stays valid until
  // the list is next changed.
  std::span<const std::uint8_t> Bytes(std::size_t index) const;

  // Entry `index` as HexText; the empty text past the end.
  HexText Text(std::size_t index) const { return ToHexText(Bytes(index)); }

  void Append(std::span<const std::uint8_t> entry);
  void Clear();

  // Makes room for `total_bytes` of entries in all, so that appending up to
  // that much moves nothing.
  void ReserveBytes(std::size_t total_bytes) { bytes_.reserve(total_bytes); }
  std::size_t TotalBytes() const { return bytes_.size(); }

 private:
  std::vector<std::uint8_t> bytes_;
  std::vector<std::size_t> ends_;  // entry i is bytes_[ends_[i-1], ends_[i])
};

}  // namespace tavrik

#endif  // TAVRIK_DECODER_HEX_TEXT_LIST_H_
