#include "capture/capture_generator.h"

#include <vector>

#include "capture/capture_builder.h"
#include "capture/kiss_escape.h"
#include "capture/splitmix64.h"
#include "capture/utc_text.h"

namespace tavrik::capture {
namespace {

constexpr std::uint64_t kStart2022 = 1640995200;      // 2022-01-01 00:00:00 UTC
constexpr std::uint64_t kMiddle2023 = 1688169600;     // 2023-07-01 00:00:00 UTC
constexpr std::int64_t kMaxClockErrorMs = 30'000;     // on-board clock against the receiver's
constexpr std::uint64_t kMaxExtraFillerBytes = 24;    // beyond byte 51 of a longer frame

class Generator {
 public:
  explicit Generator(std::uint64_t seed)
      : random_(seed),
        reception_ms_(random_.Between(kStart2022, kMiddle2023) * 1000),
        clock_error_ms_(static_cast<std::int64_t>(random_.Between(0, 2 * kMaxClockErrorMs)) -
                        kMaxClockErrorMs) {}

  // Writes the next telemetry frame and its timestamp record, sometimes
  // after another frame. Returns the number of bytes written.
  std::uint64_t WriteStep(std::ostream& out) {
    CaptureBuilder step;
    if (random_.OneIn(4)) {
      if (random_.OneIn(2)) AddTimestamp(step);
      step.DataRecord(OtherFrame());
    }
    AddTimestamp(step);
    step.DataRecord(TelemetryFrame());
    const std::vector<std::uint8_t>& bytes = step.Bytes();
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return bytes.size();
  }

 private:
  std::uint8_t EscapedByte() { return random_.OneIn(2) ? kFend : kFesc; }

  std::uint8_t AnyByte() { return static_cast<std::uint8_t>(random_.Next()); }

  // Header bytes stay free of FEND and FESC: an escape there would move
  // the stored telemetry marker away from bytes 4-5.
  std::uint8_t HeaderByte() {
    std::uint8_t byte = AnyByte();
    while (byte == kFend || byte == kFesc) byte = AnyByte();
    return byte;
  }

  // `value` with its low byte made FEND or FESC one time in four. Only the
  // low byte is touched, so the value stays plausible.
  template <typename Unsigned>
  Unsigned MaybeEscapedLowByte(Unsigned value) {
    if (!random_.OneIn(4)) return value;
    return static_cast<Unsigned>((value & ~Unsigned{0xFF}) | EscapedByte());
  }

  void AddTimestamp(CaptureBuilder& step) {
    reception_ms_ += random_.Between(1'000, 20'000);
    if (random_.OneIn(5)) {
      step.TextTimestamp(UtcText(reception_ms_));
    } else {
      step.NumericTimestamp(MaybeEscapedLowByte(reception_ms_));
    }
  }

  std::vector<std::uint8_t> TelemetryFrame() {
    const std::uint64_t transit_ms = random_.Between(50, 1'500);
    const std::uint64_t onboard_ms =
        static_cast<std::uint64_t>(static_cast<std::int64_t>(reception_ms_ - transit_ms) +
                                   clock_error_ms_);
    const bool in_eclipse = random_.OneIn(4);
    TelemetryFields fields;
    fields.milliseconds = MaybeEscapedLowByte(static_cast<std::uint16_t>(onboard_ms % 1000));
    fields.onboard_time = MaybeEscapedLowByte(static_cast<std::uint32_t>(onboard_ms / 1000));
    fields.solar_current = MaybeEscapedLowByte(
        static_cast<std::uint16_t>(in_eclipse ? random_.Between(0, 5) : random_.Between(50, 2'500)));
    fields.system_current =
        MaybeEscapedLowByte(static_cast<std::uint16_t>(random_.Between(150, 900)));
    fields.battery_voltage =
        MaybeEscapedLowByte(static_cast<std::uint16_t>(random_.Between(3'300, 4'200)));
    fields.pa_temperature =
        MaybeEscapedLowByte(static_cast<std::uint16_t>(random_.Between(50, 550)));
    const std::uint8_t filler = random_.OneIn(4) ? EscapedByte() : AnyByte();

    std::vector<std::uint8_t> frame = TelemetryFrameBytes(fields, filler);
    for (std::size_t i = 0; i < 4; ++i) frame[i] = HeaderByte();
    if (random_.OneIn(8)) frame.insert(frame.end(), random_.Between(1, kMaxExtraFillerBytes), filler);
    return frame;
  }

  // A data frame whose stored bytes 4-5 are never the telemetry marker.
  std::vector<std::uint8_t> OtherFrame() {
    switch (random_.Between(0, 2)) {
      case 0: {  // too short to hold a marker
        std::vector<std::uint8_t> frame(random_.Between(0, 5));
        for (std::uint8_t& byte : frame) byte = AnyByte();
        return frame;
      }
      case 1: {  // another station's packet
        std::vector<std::uint8_t> frame(random_.Between(6, 80));
        for (std::uint8_t& byte : frame) byte = AnyByte();
        for (std::size_t i = 0; i < 4; ++i) frame[i] = HeaderByte();
        while (frame[4] == 0x16) frame[4] = AnyByte();
        return frame;
      }
      default: {  // the escape in the header shifts the marker to stored bytes 5-6
        std::vector<std::uint8_t> frame = TelemetryFrame();
        frame[random_.Between(0, 3)] = EscapedByte();
        return frame;
      }
    }
  }

  SplitMix64 random_;
  std::uint64_t reception_ms_;
  std::int64_t clock_error_ms_;
};

}  // namespace

void GenerateCapture(const GeneratorOptions& options, std::ostream& out) {
  Generator generator(options.seed);
  std::uint64_t written = 0;
  std::uint64_t telemetry_frames = 0;
  while (out && (options.target_bytes != 0 ? written < options.target_bytes
                                           : telemetry_frames < options.frames)) {
    written += generator.WriteStep(out);
    ++telemetry_frames;
  }
}

}  // namespace tavrik::capture
