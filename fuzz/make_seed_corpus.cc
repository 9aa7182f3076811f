// make_seed_corpus DIRECTORY: writes the fuzzers' seed corpus, small .kss
// captures from the capture generator and hand-built captures that reach
// every record kind and every damaged form the reader knows, so that
// fuzzing starts from deep inside the format instead of from noise.
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "capture/capture_builder.h"
#include "capture/capture_generator.h"

namespace {

using tavrik::capture::CaptureBuilder;
using tavrik::capture::TelemetryFields;
using tavrik::kFend;
using tavrik::kFesc;
using Bytes = std::vector<std::uint8_t>;


TelemetryFields PlainFields() {
  return {.milliseconds = 667,
          .onboard_time = 0x626D1234,
          .solar_current = 200,
          .system_current = 300,
          .battery_voltage = 4000,
          .pa_temperature = 250};
}

// FEND and FESC in the low and the high byte of every field.
TelemetryFields EscapedFields(std::uint8_t low, std::uint8_t high) {
  const auto word = static_cast<std::uint16_t>(high << 8 | low);
  return {.milliseconds = word,
          .onboard_time = static_cast<std::uint32_t>(word) << 16 | word,
          .solar_current = word,
          .system_current = word,
          .battery_voltage = word,
          .pa_temperature = word};
}

Bytes Generated(std::uint64_t seed, std::uint64_t frames) {
  std::ostringstream out;
  tavrik::capture::GenerateCapture({.seed = seed, .frames = frames}, out);
  const std::string text = out.str();
  return Bytes(text.begin(), text.end());
}

// A record written byte for byte, with its opening and closing FEND.
Bytes RawRecord(std::uint8_t command, const Bytes& data) {
  Bytes record{kFend, command};
  record.insert(record.end(), data.begin(), data.end());
  record.push_back(kFend);
  return record;
}

Bytes Cut(Bytes bytes, std::size_t dropped) {
  bytes.resize(bytes.size() - dropped);
  return bytes;
}

struct Seed {
  std::string name;
  Bytes bytes;
};

std::vector<Seed> HandMadeSeeds() {
  const Bytes marker_only{0, 0, 0, 0, 0x16, 0x2A};
  const Bytes cut_in_field{0, 0, 0, 0, 0x16, 0x2A, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  // Un-escaped, the marker sits at bytes 3-4; stored, the escape moves it
  // to bytes 4-5, which is where the reader looks.
  const Bytes shifted_marker{0, 0, kFend, 0x16, 0x2A, 0, 0x62, 0x6D, 0x12, 0x34};
  const Bytes text_time{'2', '0', '2', '2', '-', '0', '4', '-', '3', '0', ' ', '1', '0', ':',
                        '5', '4', ':', '4', '0', '.', '6', '6', '7', ' ', 'U', 'T', 'C'};
  Bytes escapes_kept_raw =
      RawRecord(0x00, {0, 0, 0, 0, 0x16, 0x2A, kFesc, 0x41, kFesc, 0xDC, kFesc, 0xDD, 0x42, kFesc});

  CaptureBuilder every_kind;
  every_kind.NumericTimestamp(0x01807A1BC0DB).Telemetry(PlainFields());
  every_kind.TextTimestamp("2022-04-30 11:00:00.000 UTC").Telemetry(PlainFields(), kFend);
  every_kind.DataRecord(Bytes{1, 2, 3})
      .DataRecord(Bytes{1, 2, 3}, tavrik::kTimestampCommand);
  every_kind.DataRecord(tavrik::capture::TelemetryFrameBytes(PlainFields()), 0x05);
  every_kind.DataRecord(shifted_marker);

  CaptureBuilder escaped_fields;
  escaped_fields.NumericTimestamp(0x00C0DBC0DBC0DBC0).Telemetry(EscapedFields(kFend, kFesc), kFesc);
  escaped_fields.NumericTimestamp(0x00DBC0DBC0DBC0DB).Telemetry(EscapedFields(kFesc, kFend), kFend);

  CaptureBuilder raw_run_then_other_byte;
  raw_run_then_other_byte.Raw(
      Bytes{kFend, 0x09, 0x00, kFend, kFesc, 1, 2, 3, 4, 5, 0x55, 6, kFend});
  raw_run_then_other_byte.Telemetry(PlainFields());
  raw_run_then_other_byte.Raw(
      Bytes{kFend, 0x09, 0x00, 1, 2, 3, 4, 5, 6, 7, kFesc, 0x00, 1, 2, 3, 4, 5, 6, 7, kFend});
  raw_run_then_other_byte.Telemetry(PlainFields());

  CaptureBuilder short_frames;
  short_frames.DataRecord(marker_only).DataRecord(cut_in_field).Telemetry(PlainFields());
  short_frames.Raw(escapes_kept_raw);

  CaptureBuilder two_frames;
  two_frames.NumericTimestamp(1651315480667).Telemetry(PlainFields());
  two_frames.Raw(RawRecord(0x09, text_time)).Telemetry(PlainFields());
  const Bytes whole = two_frames.Bytes();

  return {
      {"every-record-kind", every_kind.Bytes()},
      {"escapes-in-every-field", escaped_fields.Bytes()},
      {"raw-run-then-other-byte", raw_run_then_other_byte.Bytes()},
      {"short-frames-and-kept-escapes", short_frames.Bytes()},
      {"text-and-numeric-timestamps", whole},
      {"cut-off-in-frame", Cut(whole, 20)},
      {"cut-off-before-closing-fend", Cut(whole, 1)},
      {"cut-off-in-raw-run", Cut(whole, whole.size() - 6)},
      {"cut-off-after-opening-byte", Bytes{kFend}},
      {"only-fends", Bytes(8, kFend)},
      {"no-fend", Bytes(64, 0x55)},
  };
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_seed_corpus DIRECTORY\n";
    return 2;
  }
  const std::filesystem::path directory = argv[1];
  std::filesystem::create_directories(directory);

  std::vector<Seed> seeds = HandMadeSeeds();
  for (std::uint64_t seed = 1; seed <= 8; ++seed) {
    seeds.push_back({"generated-seed-" + std::to_string(seed), Generated(seed, 1 + seed % 4)});
  }
  for (const Seed& seed : seeds) {
    CaptureBuilder().Raw(seed.bytes).WriteTo(directory / (seed.name + ".kss"));
  }
  std::cout << "make_seed_corpus: " << seeds.size() << " captures in " << directory.string()
            << "\n";
  return 0;
}
