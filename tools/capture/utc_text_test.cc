#include "capture/utc_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace tavrik::capture {
namespace {

struct UtcTextCase {
  std::uint64_t milliseconds;
  const char* text;
};

TEST(UtcText, WritesDateTimeAndMilliseconds) {
  const UtcTextCase cases[] = {
      {0, "1970-01-01 00:00:00.000 UTC"},
      {0x01807A1BC0DB, "2022-04-30 10:54:40.859 UTC"},
      {1672531199999, "2022-12-31 23:59:59.999 UTC"},  // last moment of a year
      {1709251199999, "2024-02-29 23:59:59.999 UTC"},  // leap day
      {951782400123, "2000-02-29 00:00:00.123 UTC"},   // leap day of a century year
      {253402300799999, "9999-12-31 23:59:59.999 UTC"},
  };
  for (const UtcTextCase& c : cases) {
    const std::string text = UtcText(c.milliseconds);
    EXPECT_EQ(text, c.text) << c.milliseconds;
    EXPECT_EQ(text.size(), 27u) << c.milliseconds;
  }
}

}  // namespace
}  // namespace tavrik::capture
