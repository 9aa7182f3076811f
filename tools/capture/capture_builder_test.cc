#include "capture/capture_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "testing/scratch_directory.h"

namespace tavrik::capture {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The data of a one-record capture, with FESC TFEND and FESC TFESC undone.
Bytes UnescapedData(const Bytes& record) {
  Bytes data;
  for (std::size_t i = 2; i + 1 < record.size(); ++i) {
    if (record[i] == 0xDB) {
      ++i;
      data.push_back(record[i] == 0xDC ? 0xC0 : 0xDB);
    } else {
      data.push_back(record[i]);
    }
  }
  return data;
}

TEST(TelemetryFrameBytes, PlacesMarkerAndFieldsBigEndian) {
  const TelemetryFields fields{.milliseconds = 123,
                               .onboard_time = 0x626D1234,
                               .solar_current = 200,
                               .system_current = 300,
                               .battery_voltage = 4000,
                               .pa_temperature = 250};
  struct Placed {
    std::size_t first_byte;
    Bytes bytes;
  };
  const Placed placed[] = {
      {0, {0x00, 0x00, 0x00, 0x00}}, {4, {0x16, 0x2A}}, {6, {0x00, 0x7B}},
      {8, {0x62, 0x6D, 0x12, 0x34}}, {40, {0x00, 0xC8}}, {42, {0x01, 0x2C}},
      {44, {0x0F, 0xA0}},            {50, {0x00, 0xFA}},
  };
  for (const std::uint8_t filler : {0x00, 0x5A, 0xC0}) {
    Bytes expected(52, filler);
    for (const Placed& p : placed) {
      std::copy(p.bytes.begin(), p.bytes.end(), expected.begin() + p.first_byte);
    }
    EXPECT_EQ(TelemetryFrameBytes(fields, filler), expected) << "filler " << int{filler};
  }
}

TEST(CaptureBuilder, TelemetryRecordKeepsMarkerAtStoredBytes4And5WhenFieldsNeedEscapes) {
  const TelemetryFields cases[] = {
      {0x00C0, 0xC0DBC0DB, 0xDBC0, 0xC0C0, 0xDBDB, 0x00DB},
      {0x03DB, 0x63C0C0C0, 0x00C0, 0x02DB, 0x0EC0, 0x01C0},
      {0, 0, 0, 0, 0, 0},
  };
  for (const TelemetryFields& fields : cases) {
    for (const std::uint8_t filler : {0x00, 0xC0, 0xDB}) {
      const Bytes record = CaptureBuilder().Telemetry(fields, filler).Bytes();
      ASSERT_GE(record.size(), 10u);
      EXPECT_EQ(record[0], 0xC0);
      EXPECT_EQ(record[1], 0x00);
      EXPECT_EQ(record[2 + 4], 0x16);
      EXPECT_EQ(record[2 + 5], 0x2A);
      EXPECT_EQ(record.back(), 0xC0);
      EXPECT_EQ(std::count(record.begin(), record.end(), 0xC0), 2) << "unescaped FEND inside";
      EXPECT_EQ(UnescapedData(record), TelemetryFrameBytes(fields, filler));
    }
  }
}

TEST(CaptureBuilder, DataRecordEscapesDataButNotTheCommandByte) {
  struct Case {
    Bytes data;
    std::uint8_t command;
    Bytes record;
  };
  const Case cases[] = {
      {{}, 0x00, {0xC0, 0x00, 0xC0}},
      {{0xC0, 0x01, 0xDB}, 0x00, {0xC0, 0x00, 0xDB, 0xDC, 0x01, 0xDB, 0xDD, 0xC0}},
      {{0x00, 0xC0}, 0x09, {0xC0, 0x09, 0x00, 0xDB, 0xDC, 0xC0}},
      {{0x11}, 0xC0, {0xC0, 0xC0, 0x11, 0xC0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CaptureBuilder().DataRecord(c.data, c.command).Bytes(), c.record);
  }
}

TEST(CaptureBuilder, NumericTimestampIsEightRawBytes) {
  struct Case {
    std::uint64_t milliseconds;
    Bytes record;
  };
  const Case cases[] = {
      {0x01807A1BC0DB, {0xC0, 0x09, 0x00, 0x00, 0x01, 0x80, 0x7A, 0x1B, 0xC0, 0xDB, 0xC0}},
      {0, {0xC0, 0x09, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0}},
      {(std::uint64_t{1} << 56) - 1,
       {0xC0, 0x09, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xC0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CaptureBuilder().NumericTimestamp(c.milliseconds).Bytes(), c.record);
  }
  for (const std::uint64_t too_large : {std::uint64_t{1} << 56, ~std::uint64_t{0}}) {
    CaptureBuilder builder;
    EXPECT_THROW(builder.NumericTimestamp(too_large), std::invalid_argument) << too_large;
    EXPECT_TRUE(builder.Bytes().empty());
  }
}

TEST(CaptureBuilder, TextTimestampHoldsItsCharacters) {
  constexpr std::string_view text = "2022-04-30 10:54:40.667 UTC";
  const std::string expected = "\xC0\x09" + std::string(text) + "\xC0";
  EXPECT_EQ(CaptureBuilder().TextTimestamp(text).Bytes(), Bytes(expected.begin(), expected.end()));
}

TEST(CaptureBuilder, TextTimestampRefusesTextTheReaderWouldNotTakeAsOne) {
  using namespace std::string_view_literals;
  const std::string_view refused[] = {
      "2022-04-30 10:54:40.66 UTC",    // 26 characters
      "2022-04-30 10:54:40.6670 UTC",  // 28 characters
      "2022-04-30 10:54:40.667 GMT",   // does not end in UTC
      "2022-04-30\0" "10:54:40.667 UTC"sv,  // a 0x00 would start a raw run
  };
  for (const std::string_view text : refused) {
    CaptureBuilder builder;
    EXPECT_THROW(builder.TextTimestamp(text), std::invalid_argument) << text;
    EXPECT_TRUE(builder.Bytes().empty());
  }
}

TEST(CaptureBuilder, ChainedRecordsAndRawBytesFollowEachOther) {
  const Bytes cut_off{0xC0, 0x00, 0xDB};
  const CaptureBuilder builder =
      CaptureBuilder().NumericTimestamp(0xC0).DataRecord(Bytes{0x16}).Raw(cut_off);
  const Bytes expected{0xC0, 0x09, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0xC0,
                       0xC0, 0x00, 0x16, 0xC0, 0xC0, 0x00, 0xDB};
  EXPECT_EQ(builder.Bytes(), expected);
}

TEST(CaptureBuilder, WriteToStoresTheBytes) {
  const testing::ScratchDirectory directory;
  const std::filesystem::path path = directory.path() / "builder.kss";
  CaptureBuilder builder;
  builder.NumericTimestamp(0x01807A1BC0DB).Telemetry({192, 1651316080, 219, 300, 4032, 250}, 0xDB);
  builder.WriteTo(path);
  EXPECT_EQ(testing::ReadFileBytes(path), builder.Bytes());
}

TEST(CaptureBuilder, WriteToNamesThePathItCannotWrite) {
  const testing::ScratchDirectory directory;
  const std::filesystem::path path = directory.path() / "no such directory" / "capture.kss";
  try {
    CaptureBuilder().NumericTimestamp(1).WriteTo(path);
    FAIL() << "no exception";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find(path.string()), std::string::npos) << error.what();
  }
}

}  // namespace
}  // namespace tavrik::capture
