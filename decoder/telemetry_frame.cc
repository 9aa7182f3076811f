#include "telemetry_frame.h"

#include <algorithm>

#include "decoder_error.h"

namespace tavrik {

std::uint64_t HexFieldValue(std::span<const std::uint8_t> frame, FieldLocation field) {
  // The field's hex pairs, joined behind a "$", make an empty number when
  // none of its bytes is there.
  if (!HasField(frame, field)) throw DecoderError(InvalidIntegerMessage("$"));
  const std::size_t end = std::min(frame.size(), field.first_byte + field.width);
  std::uint64_t value = 0;
  for (std::size_t i = field.first_byte; i < end; ++i) value = value << 8 | frame[i];
  return value;
}

}  // namespace tavrik
