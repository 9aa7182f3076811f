#include "reception_time.h"

#include <algorithm>

#include "telemetry_frame.h"
#include "windows_1252.h"

namespace tavrik {
namespace {

constexpr std::size_t kNumericRecordSize = 8;
constexpr FieldLocation kMillisecondsSinceEpoch{2, 6};
constexpr std::size_t kTextLength = 27;
constexpr std::uint8_t kUtcSuffix[3] = {'U', 'T', 'C'};

bool IsTextRecord(std::span<const std::uint8_t> record) {
  return record.size() >= kTextLength &&
         std::equal(std::begin(kUtcSuffix), std::end(kUtcSuffix), record.begin() + kTextLength - 3);
}

}  // namespace

ReceptionTime ReadReceptionTime(std::span<const std::uint8_t> record) {
  ReceptionTime time;
  if (record.size() == kNumericRecordSize) {
    time.kind = ReceptionTime::Kind::kNumeric;
    time.seconds = HexFieldValue(record, kMillisecondsSinceEpoch) / 1000;
  } else if (IsTextRecord(record)) {
    time.kind = ReceptionTime::Kind::kText;
    time.text = Windows1252ToUtf8(record.first(kTextLength));
  }
  return time;
}

std::optional<std::string> RxDateText(std::span<const std::uint8_t> record,
                                      const DateTimeFormat& format) {
  const ReceptionTime time = ReadReceptionTime(record);
  switch (time.kind) {
    case ReceptionTime::Kind::kNumeric:
      return " RX date: " + DateTimeText(time.seconds, format) + " UTC";
    case ReceptionTime::Kind::kText:
      return " RX date: " + time.text;
    case ReceptionTime::Kind::kNone:
      break;
  }
  return std::nullopt;
}

}  // namespace tavrik
