#include "kss_reader.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "testing/scratch_directory.h"

namespace tavrik {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Report = std::pair<std::int32_t, bool>;

struct ReadResult {
  std::vector<HexText> stored;
  std::vector<HexText> timestamps;
  std::int32_t frame_count = 0;
  std::vector<Report> reports;
  std::string error;  // empty when reading ended normally
};

std::vector<HexText> Texts(const HexTextList& list) {
  std::vector<HexText> texts;
  for (std::size_t i = 0; i < list.size(); ++i) texts.push_back(list.Text(i));
  return texts;
}

ReadResult Read(const Bytes& capture) {
  testing::ScratchDirectory dir;
  ByteFile file(dir.WriteFile("capture.kss", capture));
  KssRecords records;
  ReadResult result;
  try {
    ReadRecords(file, records, [&](std::int32_t count, bool telemetry) {
      result.reports.emplace_back(count, telemetry);
    });
  } catch (const DecoderError& error) {
    result.error = error.what();
  }
  result.stored = Texts(records.StoredFrames);
  result.timestamps = Texts(records.TimestampRecords);
  result.frame_count = records.FrameCount;
  return result;
}

struct ReaderCase {
  const char* story;
  Bytes capture;
  std::vector<HexText> stored;
  std::vector<HexText> timestamps;
  std::vector<Report> reports;
};

class ReaderTest : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(ReaderTest, SortsRecords) {
  const ReaderCase& c = GetParam();
  const ReadResult result = Read(c.capture);
  EXPECT_EQ(result.error, "");
  EXPECT_EQ(result.stored, c.stored);
  EXPECT_EQ(result.timestamps, c.timestamps);
  EXPECT_EQ(result.frame_count, static_cast<std::int32_t>(c.stored.size()));
  EXPECT_EQ(result.reports, c.reports);
}

INSTANTIATE_TEST_SUITE_P(
    Captures, ReaderTest,
    ::testing::Values(ReaderCase{"a data record without data is in neither list",
                                 {0xC0, 0x00, 0xC0},
                                 {},
                                 {},
                                 {{0, false}}},
                      ReaderCase{"a timestamp record without data is an empty timestamp entry",
                                 {0xC0, 0x09, 0xC0},
                                 {},
                                 {""},
                                 {{0, false}}},
                      ReaderCase{"a raw run keeps C0 and DB as data",
                                 {0xC0, 0x09, 0x00, 0x00, 0x01, 0x80, 0x7A, 0x1B, 0xC0, 0xDB, 0xC0},
                                 {},
                                 {"00 00 01 80 7A 1B C0 DB "},
                                 {{0, false}}},
                      ReaderCase{"the byte after a raw run is lost unless it closes the record",
                                 {0xC0, 0x09, 0x00, 1, 2, 3, 4, 5, 6, 7, 0x55, 0x41, 0xC0},
                                 {},
                                 {"00 01 02 03 04 05 06 07 41 "},
                                 {{0, false}}},
                      ReaderCase{"a 0x00 in a data record starts no raw run",
                                 {0xC0, 0x00, 0x00, 0xC0, 0xC0, 0x00, 0xC0},
                                 {},
                                 {},
                                 {{0, false}, {0, false}}},
                      ReaderCase{"an escape in bytes 0 to 3 shifts the marker out of place",
                                 {0xC0, 0x00, 0x11, 0xDB, 0xDC, 0x33, 0x44, 0x16, 0x2A, 0xC0},
                                 {},
                                 {},
                                 {{0, false}}},
                      ReaderCase{"the marker counts whatever the command byte",
                                 {0xC0, 0x09, 0x01, 0x02, 0x03, 0x04, 0x16, 0x2A, 0xC0},
                                 {"01 02 03 04 16 2A "},
                                 {"01 02 03 04 16 2A "},
                                 {{1, true}}},
                      ReaderCase{"a record of five bytes is never telemetry",
                                 {0xC0, 0x00, 0x01, 0x02, 0x03, 0x04, 0x16, 0xC0},
                                 {},
                                 {},
                                 {{0, false}}},
                      ReaderCase{"the opening byte is never examined",
                                 {0x55, 0x05, 0x01, 0x02, 0x03, 0x04, 0x16, 0x2A, 0xC0},
                                 {"01 02 03 04 16 2A "},
                                 {},
                                 {{1, true}}},
                      ReaderCase{"a timestamp, a telemetry frame and another frame",
                                 {0xC0, 0x09, 0x00, 0x00, 0x01, 0x80, 0x7A, 0x1B, 0xC0, 0xDB,
                                  0xC0, 0xC0, 0x00, 0x11, 0x22, 0x33, 0x44, 0x16, 0x2A, 0xDB,
                                  0xDC, 0x55, 0xC0, 0xC0, 0x00, 0x01, 0x02, 0x03, 0xC0},
                                 {"11 22 33 44 16 2A DB DC 55 "},
                                 {"00 00 01 80 7A 1B C0 DB "},
                                 {{0, false}, {1, true}, {1, false}}}),
    [](const ::testing::TestParamInfo<ReaderCase>& info) {
      return "Case" + std::to_string(info.index);
    });

TEST(ReaderFailureTest, FileEndingInsideARecordKeepsWhatWasRead) {
  const Bytes complete = {0xC0, 0x00, 0x01, 0x02, 0x03, 0x04, 0x16, 0x2A, 0xC0};
  for (const Bytes& tail :
       {Bytes{0xC0}, Bytes{0xC0, 0x00}, Bytes{0xC0, 0x00, 0x05},
        Bytes{0xC0, 0x09, 0x00, 0x01, 0x02}, Bytes{0xC0, 0x09, 0x00, 1, 2, 3, 4, 5, 6, 7}}) {
    Bytes capture = complete;
    capture.insert(capture.end(), tail.begin(), tail.end());
    const ReadResult result = Read(capture);
    EXPECT_EQ(result.error, "Read beyond end of file") << "tail of " << tail.size() << " bytes";
    EXPECT_EQ(result.stored, std::vector<HexText>{"01 02 03 04 16 2A "});
    EXPECT_EQ(result.frame_count, 1);
  }
}

TEST(ReaderFailureTest, FileEndingExactlyAfterARecordReadsCleanly) {
  EXPECT_EQ(Read({0xC0, 0x00, 0x01, 0xC0}).error, "");
}

}  // namespace
}  // namespace tavrik
