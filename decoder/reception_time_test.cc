#include "reception_time.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace tavrik {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Text(std::string_view text) { return Bytes(text.begin(), text.end()); }

TEST(ReceptionTimeTest, RecognisesBothForms) {
  const struct {
    const char* story;
    Bytes record;
    std::optional<std::string> text;
  } cases[] = {
      {"numeric, in whole seconds",
       {0x00, 0x00, 0x01, 0x80, 0x7A, 0x1B, 0xC0, 0xDB},
       " RX date: 2022-04-30 10:54:40 UTC"},
      {"numeric, bytes 0 and 1 ignored",
       {0xFF, 0xFF, 0x01, 0x80, 0x7A, 0x1B, 0xC0, 0xDB},
       " RX date: 2022-04-30 10:54:40 UTC"},
      {"numeric, midnight", {0, 0, 0, 0, 0, 0, 0x03, 0xE7}, " RX date: 1970-01-01 UTC"},
      {"text of 27 characters", Text("2022-04-30 10:54:40.667 UTC"),
       " RX date: 2022-04-30 10:54:40.667 UTC"},
      {"longer text cut after 27", Text("2022-04-30 10:54:40.667 UTC and more"),
       " RX date: 2022-04-30 10:54:40.667 UTC"},
      {"text in Windows-1252",
       Text("30\xA0"
            "avril\xB0"
            " 22 \x80 10:54:40 UTC"),
       " RX date: 30\u00A0avril\u00B0 22 \u20AC 10:54:40 UTC"},
      {"text without UTC at 24", Text("2022-04-30 10:54:40.667 GMT"), std::nullopt},
      {"text of 26 characters", Text("2022-04-30 10:54:40.66 UTC"), std::nullopt},
      {"seven bytes", {0, 0, 0, 0, 0, 0, 0}, std::nullopt},
      {"nine bytes", {0, 0, 0, 0, 0, 0, 0, 0, 0}, std::nullopt},
      {"empty", {}, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RxDateText(c.record, DateTimeFormat::Iso8601()), c.text) << c.story;
  }
}

}  // namespace
}  // namespace tavrik
