// The reception time decoder: reads when a frame was received from a
// timestamp record of the capture, in either of its two forms.
//   numeric: exactly 8 bytes, a big-endian count of milliseconds since
//            1970-01-01 UTC of which only the low 48 bits are read;
//   text:    at least 27 bytes whose bytes 24 to 26 are "UTC"; bytes 0 to
//            26 are the reception time as Windows-1252 text.
#ifndef TAVRIK_DECODER_RECEPTION_TIME_H_
#define TAVRIK_DECODER_RECEPTION_TIME_H_

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "date_time_text.h"

namespace tavrik {

struct ReceptionTime {
  enum class Kind { kNone, kNumeric, kText };
  Kind kind = Kind::kNone;
  std::uint64_t seconds = 0;  // kNumeric: whole seconds since 1970-01-01 UTC
  std::string text;           // kText: the 27 characters, as UTF-8
};

ReceptionTime ReadReceptionTime(std::span<const std::uint8_t> record);

// The RxDateText of a record: " RX date: " and the date-time text followed
// by " UTC" for a numeric record, " RX date: " and the 27 characters for a
// text record; nothing for any other record, which leaves the slot as it is.
std::optional<std::string> RxDateText(std::span<const std::uint8_t> record,
                                      const DateTimeFormat& format);

}  // namespace tavrik

#endif  // TAVRIK_DECODER_RECEPTION_TIME_H_
