#include "capture/capture_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik::capture {
namespace {

using Bytes = std::vector<std::uint8_t>;

GeneratorOptions Options(std::uint64_t seed, std::uint64_t frames, std::uint64_t target_bytes = 0) {
  GeneratorOptions options;
  options.seed = seed;
  options.frames = frames;
  options.target_bytes = target_bytes;
  return options;
}

Bytes Generate(const GeneratorOptions& options) {
  std::ostringstream out;
  GenerateCapture(options, out);
  const std::string text = std::move(out).str();
  return Bytes(text.begin(), text.end());
}

// One record of a capture, its data as stored.
struct Record {
  std::uint8_t command;
  Bytes data;
};

// Splits a capture into records by the .kss reading rule: in a 0x09
// record, a 0x00 starts a run of eight bytes taken as they are. The
// generator's captures must also open every record with FEND, follow every
// raw run with the closing FEND, and end right after a record.
std::vector<Record> SplitRecords(const Bytes& capture) {
  std::vector<Record> records;
  std::size_t i = 0;
  while (i < capture.size()) {
    if (capture[i] != 0xC0 || i + 1 == capture.size()) {
      ADD_FAILURE() << "no record starts at byte " << i;
      return records;
    }
    Record record{capture[i + 1], {}};
    i += 2;
    while (i < capture.size() && capture[i] != 0xC0) {
      if (record.command == 0x09 && capture[i] == 0x00) {
        if (i + 8 >= capture.size() || capture[i + 8] != 0xC0) {
          ADD_FAILURE() << "raw run at byte " << i << " is not closed by FEND";
          return records;
        }
        record.data.insert(record.data.end(), capture.begin() + i, capture.begin() + i + 8);
        i += 8;
      } else {
        record.data.push_back(capture[i++]);
      }
    }
    if (i == capture.size()) {
      ADD_FAILURE() << "capture ends inside a record";
      return records;
    }
    ++i;
    records.push_back(std::move(record));
  }
  return records;
}

bool IsTimestamp(const Record& r) { return r.command == 0x09; }
bool IsNumericTimestamp(const Record& r) {
  return IsTimestamp(r) && r.data.size() == 8 && r.data[0] == 0x00;
}
bool IsTextTimestamp(const Record& r) { return IsTimestamp(r) && !IsNumericTimestamp(r); }
bool IsDataFrame(const Record& r) { return r.command == 0x00; }
bool IsTelemetry(const Record& r) {
  return r.data.size() >= 6 && r.data[4] == 0x16 && r.data[5] == 0x2A;
}

Bytes Unescaped(const Bytes& stored) {
  Bytes data;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    if (stored[i] == 0xDB && i + 1 < stored.size()) {
      data.push_back(stored[++i] == 0xDC ? 0xC0 : 0xDB);
    } else {
      data.push_back(stored[i]);
    }
  }
  return data;
}

std::uint64_t Field(const Bytes& frame, std::size_t first_byte, std::size_t width) {
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < width; ++i) value = value << 8 | frame.at(first_byte + i);
  return value;
}

bool HasEscapedByte(const Bytes& bytes, std::size_t first_byte, std::size_t width) {
  return std::any_of(bytes.begin() + first_byte, bytes.begin() + first_byte + width,
                     [](std::uint8_t b) { return b == 0xC0 || b == 0xDB; });
}

std::uint64_t TelemetryCount(const std::vector<Record>& records) {
  return std::count_if(records.begin(), records.end(), IsTelemetry);
}

TEST(GenerateCapture, SameSeedGivesSameBytesAndSeedsDiffer) {
  const std::uint64_t seeds[] = {0, 1, 2, 2022, ~std::uint64_t{0}};
  std::vector<Bytes> captures;
  for (const std::uint64_t seed : seeds) {
    const GeneratorOptions options = Options(seed, 50);
    captures.push_back(Generate(options));
    EXPECT_EQ(Generate(options), captures.back()) << "seed " << seed;
  }
  for (std::size_t a = 0; a < captures.size(); ++a) {
    for (std::size_t b = a + 1; b < captures.size(); ++b) {
      EXPECT_NE(captures[a], captures[b]) << "seeds " << seeds[a] << " and " << seeds[b];
    }
  }
}

TEST(GenerateCapture, WritesTheAskedNumberOfTelemetryFramesEachAfterATimestamp) {
  const GeneratorOptions cases[] = {
      Options(1, 0), Options(1, 1), Options(2022, 12),
      Options(7, 500)};
  for (const GeneratorOptions& options : cases) {
    SCOPED_TRACE("seed " + std::to_string(options.seed) + ", " + std::to_string(options.frames) +
                 " frames");
    const std::vector<Record> records = SplitRecords(Generate(options));
    EXPECT_EQ(TelemetryCount(records), options.frames);
    for (std::size_t i = 0; i < records.size(); ++i) {
      const Record& record = records[i];
      ASSERT_TRUE(IsTimestamp(record) || IsDataFrame(record)) << "record " << i;
      if (IsTelemetry(record)) {
        EXPECT_TRUE(IsDataFrame(record)) << "record " << i;
        EXPECT_TRUE(i > 0 && IsTimestamp(records[i - 1])) << "record " << i;
      }
    }
  }
}

TEST(GenerateCapture, EveryTimestampRecordIsWellFormed) {
  // '9' stands for any digit.
  constexpr std::string_view kTextShape = "9999-99-99 99:99:99.999 UTC";
  const std::vector<Record> records = SplitRecords(Generate(Options(3, 500)));
  for (const Record& record : records) {
    if (!IsTextTimestamp(record)) continue;
    ASSERT_EQ(record.data.size(), kTextShape.size());
    for (std::size_t i = 0; i < kTextShape.size(); ++i) {
      const char c = static_cast<char>(record.data[i]);
      EXPECT_TRUE(kTextShape[i] == '9' ? c >= '0' && c <= '9' : c == kTextShape[i])
          << std::string(record.data.begin(), record.data.end());
    }
  }
}

TEST(GenerateCapture, BytesOptionStopsAtTheFirstWholeStepPastTheSize) {
  // A step (a timestamped telemetry frame, perhaps after another timestamped
  // frame) is well under this many bytes even when every byte is escaped.
  constexpr std::uint64_t kLongestStep = 2 * (2 + 27) + 2 * (2 + 2 * 80) + 4;
  for (const std::uint64_t target : {1u, 1'000u, 250'000u}) {
    const Bytes capture = Generate(Options(5, 2, target));
    EXPECT_GE(capture.size(), target);
    EXPECT_LT(capture.size(), target + kLongestStep);
    EXPECT_GE(TelemetryCount(SplitRecords(capture)), 1u) << "target " << target;
  }
}

TEST(GenerateCapture, TimesArePlausible) {
  constexpr std::uint64_t kStart2022 = 1640995200;
  constexpr std::uint64_t kStart2024 = 1704067200;
  // Clock error and transit take under a minute; making the low byte of the
  // on-board time FEND or FESC moves it by up to 255 s more.
  constexpr std::uint64_t kMaxSkewMs = 5 * 60 * 1000;
  for (const std::uint64_t seed : {1u, 2u, 3u, 4u}) {
    const std::vector<Record> records = SplitRecords(Generate(Options(seed, 300)));
    for (std::size_t i = 1; i < records.size(); ++i) {
      if (!IsTelemetry(records[i])) continue;
      const Bytes frame = Unescaped(records[i].data);
      const std::uint64_t onboard = Field(frame, 8, 4);
      const std::uint64_t milliseconds = Field(frame, 6, 2);
      EXPECT_GE(onboard, kStart2022);
      EXPECT_LT(onboard, kStart2024);
      EXPECT_LT(milliseconds, 1000u);
      if (IsNumericTimestamp(records[i - 1])) {
        const std::uint64_t received = Field(records[i - 1].data, 0, 8);
        const std::uint64_t sent = onboard * 1000 + milliseconds;
        EXPECT_LT(std::max(received, sent) - std::min(received, sent), kMaxSkewMs)
            << "seed " << seed << ", record " << i;
      }
    }
  }
}

struct Feature {
  const char* name;
  std::function<bool(const std::vector<Record>&, std::size_t)> at;  // records, index
};

bool TelemetryFieldEscaped(const Record& r, std::size_t first_byte, std::size_t width) {
  return IsTelemetry(r) && HasEscapedByte(Unescaped(r.data), first_byte, width);
}

const Feature kFeatures[] = {
    {"numeric timestamp", [](auto& rs, auto i) { return IsNumericTimestamp(rs[i]); }},
    {"text timestamp", [](auto& rs, auto i) { return IsTextTimestamp(rs[i]); }},
    {"FEND or FESC in a raw timestamp",
     [](auto& rs, auto i) { return IsNumericTimestamp(rs[i]) && HasEscapedByte(rs[i].data, 0, 8); }},
    {"escape in a telemetry field",
     [](auto& rs, auto i) {
       return TelemetryFieldEscaped(rs[i], 6, 6) || TelemetryFieldEscaped(rs[i], 40, 6) ||
              TelemetryFieldEscaped(rs[i], 50, 2);
     }},
    {"frame that is not telemetry",
     [](auto& rs, auto i) { return IsDataFrame(rs[i]) && !IsTelemetry(rs[i]); }},
};

const Feature kRarerFeatures[] = {
    {"escape in milliseconds", [](auto& rs, auto i) { return TelemetryFieldEscaped(rs[i], 6, 2); }},
    {"escape in on-board time",
     [](auto& rs, auto i) { return TelemetryFieldEscaped(rs[i], 8, 4); }},
    {"escape in solar current",
     [](auto& rs, auto i) { return TelemetryFieldEscaped(rs[i], 40, 2); }},
    {"escape in system current",
     [](auto& rs, auto i) { return TelemetryFieldEscaped(rs[i], 42, 2); }},
    {"escape in battery voltage",
     [](auto& rs, auto i) { return TelemetryFieldEscaped(rs[i], 44, 2); }},
    {"escape in PA temperature",
     [](auto& rs, auto i) { return TelemetryFieldEscaped(rs[i], 50, 2); }},
    {"escape in the filler", [](auto& rs, auto i) { return TelemetryFieldEscaped(rs[i], 12, 28); }},
    {"telemetry frame longer than 52 bytes",
     [](auto& rs, auto i) { return IsTelemetry(rs[i]) && Unescaped(rs[i].data).size() > 52; }},
    {"frame too short for a marker",
     [](auto& rs, auto i) { return IsDataFrame(rs[i]) && rs[i].data.size() < 6; }},
    {"marker shifted by an escape in the header",
     [](auto& rs, auto i) {
       const Bytes frame = Unescaped(rs[i].data);
       return !IsTelemetry(rs[i]) && IsDataFrame(rs[i]) && frame.size() >= 6 &&
              frame[4] == 0x16 && frame[5] == 0x2A;
     }},
    {"another station's packet",
     [](auto& rs, auto i) {
       const Bytes frame = Unescaped(rs[i].data);
       return IsDataFrame(rs[i]) && frame.size() >= 6 && (frame[4] != 0x16 || frame[5] != 0x2A);
     }},
    {"other frame with a timestamp of its own",
     [](auto& rs, auto i) {
       return i > 0 && IsDataFrame(rs[i]) && !IsTelemetry(rs[i]) && IsTimestamp(rs[i - 1]);
     }},
    {"other frame without a timestamp",
     [](auto& rs, auto i) {
       return IsDataFrame(rs[i]) && !IsTelemetry(rs[i]) && (i == 0 || !IsTimestamp(rs[i - 1]));
     }},
};

void ExpectFeatures(const GeneratorOptions& options, std::span<const Feature> features) {
  const std::vector<Record> records = SplitRecords(Generate(options));
  for (const Feature& feature : features) {
    bool found = false;
    for (std::size_t i = 0; i < records.size() && !found; ++i) found = feature.at(records, i);
    EXPECT_TRUE(found) << feature.name << " missing from seed " << options.seed << ", "
                       << options.frames << " frames";
  }
}

TEST(GenerateCapture, SampleSettingsGiveTheMainFeatures) {
  // The settings of samples/sample.kss.
  ExpectFeatures(Options(2022, 12), kFeatures);
}

TEST(GenerateCapture, LongerCaptureGivesEveryFeature) {
  ExpectFeatures(Options(1, 400), kFeatures);
  ExpectFeatures(Options(1, 400), kRarerFeatures);
}

}  // namespace
}  // namespace tavrik::capture
