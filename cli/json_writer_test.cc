#include "cli/json_writer.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tavrik::cli {
namespace {

std::string Line(const FrameRecord& record) {
  std::ostringstream out;
  WriteJsonLine(out, record);
  return out.str();
}

TEST(JsonWriterTest, WritesNumbersTextsAndNulls) {
  EXPECT_EQ(Line({"a.kss", "3", "2022-04-30T10:54:40Z", "2022-04-30T10:40:52Z", "123", "4.000",
                  "300", "200", "25.0"}),
            R"({"file":"a.kss","frame":3,"reception_time":"2022-04-30T10:54:40Z",)"
            R"("onboard_time":"2022-04-30T10:40:52Z","onboard_ms":123,"battery_v":4.000,)"
            R"("system_current_ma":300,"solar_current_ma":200,"pa_temperature_c":25.0})"
            "\n");
  EXPECT_EQ(Line({"a.kss", "1", std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                  std::nullopt, std::nullopt, std::nullopt}),
            R"({"file":"a.kss","frame":1,"reception_time":null,"onboard_time":null,)"
            R"("onboard_ms":null,"battery_v":null,"system_current_ma":null,)"
            R"("solar_current_ma":null,"pa_temperature_c":null})"
            "\n");
}

TEST(JsonWriterTest, EscapesTextsAndKeepsThemUtf8) {
  const struct {
    std::string value;
    std::string json;
  } cases[] = {
      {"say \"hi\"\\", R"("say \"hi\"\\")"},
      {"\b\f\n\r\t", R"("\b\f\n\r\t")"},
      {std::string("\x00\x01\x1F\x7F", 4), "\"\\u0000\\u0001\\u001f\x7F\""},
      {"/20\u00B0C \u20AC \U0001F6F0", "\"/20\u00B0C \u20AC \U0001F6F0\""},
      // Bytes that are not UTF-8 (a file name may hold any) become U+FFFD.
      {"a\xFF"
       "b",
       "\"a\uFFFD"
       "b\""},
      {"\xC0\x80", "\"\uFFFD\uFFFD\""},                      // overlong
      {"\xED\xA0\x80", "\"\uFFFD\uFFFD\uFFFD\""},            // surrogate
      {"\xF4\x90\x80\x80", "\"\uFFFD\uFFFD\uFFFD\uFFFD\""},  // above U+10FFFF
      {"\xE2\x82", "\"\uFFFD\uFFFD\""},                      // cut short at the end
      {"\xE2\x82"
       "x",
       "\"\uFFFD\uFFFDx\""},
  };
  for (const auto& c : cases) {
    const std::string line = Line({c.value, "1", c.value, "t", "0", "0", "0", "0", "0"});
    EXPECT_EQ(line, "{\"file\":" + c.json + ",\"frame\":1,\"reception_time\":" + c.json +
                        R"(,"onboard_time":"t","onboard_ms":0,"battery_v":0,)"
                        R"("system_current_ma":0,"solar_current_ma":0,"pa_temperature_c":0})"
                        "\n")
        << ::testing::PrintToString(c.value);
  }
}

}  // namespace
}  // namespace tavrik::cli
