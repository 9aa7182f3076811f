#include "hex_text.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

TEST(HexTextTest, EveryByteIsTwoUppercaseDigitsAndASpace) {
  std::vector<std::uint8_t> all;
  for (int value = 0; value < 256; ++value) all.push_back(static_cast<std::uint8_t>(value));
  const HexText text = ToHexText(all);
  ASSERT_EQ(text.size(), 3u * 256);
  EXPECT_EQ(text.substr(0, 9), "00 01 02 ");
  EXPECT_EQ(text.substr(3 * 0xAB, 3), "AB ");
  EXPECT_EQ(ParseHexText(text), all);
  EXPECT_EQ(ToHexText({}), "");
}

TEST(HexTextTest, RejectsMalformedText) {
  for (const char* text : {"ab ", "0", "01", "01 0", "0G ", "01-", " 01"}) {
    EXPECT_FALSE(IsWellFormedHexText(text)) << '"' << text << '"';
  }
  EXPECT_TRUE(IsWellFormedHexText(""));
}

}  // namespace
}  // namespace tavrik
