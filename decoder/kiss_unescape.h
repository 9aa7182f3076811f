// KISS un-escaping of a stored telemetry frame: FESC TFEND becomes FEND,
// FESC TFESC becomes FESC, a FESC followed by any other byte is dropped
// with that byte, a FESC that is the last byte is dropped, and every other
// byte is copied.
#ifndef TAVRIK_DECODER_KISS_UNESCAPE_H_
#define TAVRIK_DECODER_KISS_UNESCAPE_H_

#include <cstdint>
#include <span>
#include <vector>

#include "hex_text_list.h"

namespace tavrik {

// Appends the un-escaped form of `stored` to `out`.
void KissUnescape(std::span<const std::uint8_t> stored, std::vector<std::uint8_t>& out);

// Appends the un-escaped form of every entry of `stored`, in order, to
// `frames`, so that entry i of `frames` is the un-escaped entry i of
// `stored`.
void UnescapeAll(const HexTextList& stored, HexTextList& frames);

}  // namespace tavrik

#endif  // TAVRIK_DECODER_KISS_UNESCAPE_H_
