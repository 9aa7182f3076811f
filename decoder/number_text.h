// The number forms of the telemetry texts.
#ifndef TAVRIK_DECODER_NUMBER_TEXT_H_
#define TAVRIK_DECODER_NUMBER_TEXT_H_

#include <cstdint>
#include <string>

namespace tavrik {

// `raw` divided by 10^`decimals`, written exactly with `decimals` digits
// after a "." (no point when `decimals` is 0) and padded with spaces on the
// left to `width` characters; a longer text is never cut. Works in integers,
// so the text never depends on floating-point rounding or the locale.
std::string FixedText(std::uint64_t raw, int decimals, std::size_t width);

}  // namespace tavrik

#endif  // TAVRIK_DECODER_NUMBER_TEXT_H_
