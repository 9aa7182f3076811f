#include "kiss_unescape.h"

#include <gtest/gtest.h>

#include "capture/kiss_escape.h"

namespace tavrik {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Unescape(const Bytes& stored) {
  Bytes out;
  KissUnescape(stored, out);
  return out;
}

TEST(KissUnescapeTest, UndoesTheEscapes) {
  const struct {
    Bytes stored;
    Bytes frame;
  } cases[] = {
      {{0x16, 0x2A, 0xDB, 0xDC, 0x05}, {0x16, 0x2A, 0xC0, 0x05}},
      {{0xDB, 0xDD}, {0xDB}},
      {{0xDB, 0xDB, 0xDD}, {0xDD}},  // the first FESC swallows the second
      {{0x01, 0xDB, 0x41, 0x02}, {0x01, 0x02}},
      {{0x01, 0x02, 0xDB}, {0x01, 0x02}},
      {{0x01, 0xDC, 0xDD, 0xC0}, {0x01, 0xDC, 0xDD, 0xC0}},
      {{}, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Unescape(c.stored), c.frame) << ToHexText(c.stored);
}

TEST(KissUnescapeTest, RestoresEveryByteValue) {
  Bytes all;
  for (int value = 0; value < 256; ++value) {
    const Bytes one = {static_cast<std::uint8_t>(value)};
    EXPECT_EQ(Unescape(capture::KissEscape(one)), one) << value;
    all.push_back(static_cast<std::uint8_t>(value));
  }
  EXPECT_EQ(Unescape(capture::KissEscape(all)), all);
}

TEST(KissUnescapeTest, UnescapeAllKeepsEntriesInStep) {
  HexTextList stored;
  stored.Append(Bytes{0xDB, 0xDC});
  stored.Append(Bytes{});
  stored.Append(Bytes{0x01, 0xDB, 0xDD});
  HexTextList frames;
  UnescapeAll(stored, frames);
  ASSERT_EQ(frames.size(), 3u);
  EXPECT_EQ(frames.Text(0), "C0 ");
  EXPECT_EQ(frames.Text(1), "");
  EXPECT_EQ(frames.Text(2), "01 DB ");
  EXPECT_EQ(frames.Text(3), "") << "past the end reads as the empty text";
}

}  // namespace
}  // namespace tavrik
