#include "cli/csv_writer.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tavrik::cli {
namespace {

std::string Row(const FrameRecord& record) {
  std::ostringstream out;
  WriteCsvRow(out, record);
  return out.str();
}

TEST(CsvWriterTest, HeaderNamesTheColumns) {
  std::ostringstream out;
  WriteCsvHeader(out);
  EXPECT_EQ(out.str(),
            "file,frame,reception_time,onboard_time,onboard_ms,battery_v,system_current_ma,"
            "solar_current_ma,pa_temperature_c\r\n");
}

TEST(CsvWriterTest, MissingValuesAreEmptyFields) {
  EXPECT_EQ(Row({"a.kss", "3", std::nullopt, "2022-04-30T10:40:52Z", "123", std::nullopt, "300",
                 "200", std::nullopt}),
            "a.kss,3,,2022-04-30T10:40:52Z,123,,300,200,\r\n");
}

TEST(CsvWriterTest, QuotesFieldsThatNeedIt) {
  const struct {
    const char* value;
    const char* field;
  } cases[] = {
      {"plain name.kss", "plain name.kss"},
      {"30/04/2022 11:00:00,000 UTC", "\"30/04/2022 11:00:00,000 UTC\""},
      {"say \"hi\".kss", "\"say \"\"hi\"\".kss\""},
      {"two\nlines", "\"two\nlines\""},
      {"carriage\rreturn", "\"carriage\rreturn\""},
      {"\"", "\"\"\"\""},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Row({c.value, "1", c.value, "t", "0", "0.000", "0", "0", "0.0"}),
              std::string(c.field) + ",1," + c.field + ",t,0,0.000,0,0,0.0\r\n")
        << c.value;
  }
}

}  // namespace
}  // namespace tavrik::cli
