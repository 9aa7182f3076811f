#include "date_time_text.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

TEST(DateTimeTextTest, WritesUnixTimeWithoutTimeZone) {
  const struct {
    std::uint64_t seconds;
    const char* iso;
  } cases[] = {
      {0, "1970-01-01"},  // exact midnight shows no time
      {1, "1970-01-01 00:00:01"},
      {0x626D1234, "2022-04-30 10:40:52"},
      {951782400, "2000-02-29"},  // a leap day of a century year
      {4102444799, "2099-12-31 23:59:59"},
      {0xFFFFFFFF, "2106-02-07 06:28:15"},     // the largest on-board time
      {281474976710, "10889-08-02 05:31:50"},  // the largest reception time
  };
  for (const auto& c : cases) EXPECT_EQ(DateTimeText(c.seconds, DateTimeFormat::Iso8601()), c.iso);
}

TEST(DateTimeTextTest, FollowsTheGivenPatterns) {
  const DateTimeFormat regional{"%d/%m/%Y", "%H.%M.%S"};
  EXPECT_EQ(DateTimeText(0x626D1234, regional), "30/04/2022 10.40.52");
  EXPECT_EQ(FormatUnixTime(0x626D1234, "%A %j"), "Saturday 120");
}

TEST(DateTimeTextTest, TheCLocaleMeansIso8601) {
  ::setenv("LC_ALL", "C", 1);
  const DateTimeFormat format = DateTimeFormat::FromUserLocale();
  ::unsetenv("LC_ALL");
  EXPECT_EQ(format.short_date, "%Y-%m-%d");
  EXPECT_EQ(format.long_time, "%H:%M:%S");
}

}  // namespace
}  // namespace tavrik
